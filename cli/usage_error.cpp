// SPDX-License-Identifier: GPL-3.0-or-later
#include "usage_error.h"

#include "engine/Parser_core.h"

std::string_view OptionValue(int argc, const char* const argv[], int& position) {
    if (position + 1 >= argc) throw cUsageError{std::string(argv[position]) + " needs a value"};
    return argv[++position];
}

double OptionNumber(std::string_view option, std::string_view text) {
    try {
        return ConvertDecimal(text, true);
    } catch (const cConversionError&) {
        throw cUsageError{std::string(option) + ": '" + std::string(text) + "' is not a number"};
    }
}
