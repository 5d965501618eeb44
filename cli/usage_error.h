// SPDX-License-Identifier: GPL-3.0-or-later
// A command line that orvane-cli does not understand, and the readers of option values that raise it.
#pragma once

#include <string>
#include <string_view>

struct cUsageError {
    std::string message;
};

// The argument after the option at position, which moves on to it; "OPTION needs a value" when there is
// none.
std::string_view OptionValue(int argc, const char* const argv[], int& position);

// text as a number; "OPTION: 'TEXT' is not a number" when it is none.
double OptionNumber(std::string_view option, std::string_view text);
