// A command line that orvane-cli does not understand.
#pragma once

#include <string>

struct cUsageError {
    std::string message;
};
