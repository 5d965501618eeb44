// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that stand beside formulas, in scripts and in interactive mode. A command line begins
// with ':', which no formula can begin with, so the two never clash.
#pragma once

#include <string_view>
#include <vector>

#include "common/calculator.h"

bool IsCommand(std::string_view line);

// Runs a command line; says on standard error why it failed and answers false.
bool RunCommand(std::string_view line, cCalculator& calculator);

// Every command's name with its ':', for completion.
std::vector<std::string_view> CommandNames();

// "a = 0" to "z = ...", one line each, as :vars and --vars print them.
void PrintVariables(const cParseTree& tree);
