// SPDX-License-Identifier: GPL-3.0-or-later
// The 26 memory variables as text, one "letter=value" line each, every value written so that it reads
// back to the same double: the kept session of the desktop program.
#pragma once

#include <array>
#include <string>
#include <string_view>

using tVariableValues = std::array<double, 26>;

std::string VariablesText(const tVariableValues& values);

// Lines that are not "letter=value" for a letter a to z and a whole number text are passed over; a
// letter without a line keeps its value.
void ReadVariablesText(std::string_view text, tVariableValues& values);
