// SPDX-License-Identifier: GPL-3.0-or-later
// How the calculator shows a value: 15 significant digits, fixed-point or with "E", "NAN" and "INF".
#pragma once

#include <string>
#include <string_view>

std::string ResultText(double value, char decimalSeparator);

// A result text with the digits before the decimal separator in groups of three, set apart by blanks
// ("1 234 567.5", "-12 345E+20"); any other text as it is.
std::string GroupedDigits(std::string_view text);
