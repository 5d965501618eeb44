// Runs the real orvane-cli binary with arguments and standard input, and collects what it printed.
#pragma once

#include <string>
#include <vector>

struct cCliRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// program: the orvane-cli to run; by default the one this build made.
cCliRun RunCli(const std::vector<std::string>& arguments, const std::string& input = "",
               const std::string& program = ORVANE_CLI_PATH);
