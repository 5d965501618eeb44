// SPDX-License-Identifier: GPL-3.0-or-later
// How the calculator shows a value: 15 significant digits, fixed-point or with "E", "NAN" and "INF".
#pragma once

#include <string>

std::string ResultText(double value, char decimalSeparator);
