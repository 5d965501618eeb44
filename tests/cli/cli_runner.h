// Runs the real orvane-cli binary with arguments and standard input, and collects what it printed.
#pragma once

#include <string>
#include <vector>

struct cCliRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

cCliRun RunCli(const std::vector<std::string>& arguments, const std::string& input = "");
