// TEMPORARY stand-in until the real result text lands on main; take main's version when merging.
#include "result_text.h"

#include <cstdio>

std::string ResultText(double value, char /*decimalSeparator*/) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
}
