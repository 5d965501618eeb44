// SPDX-License-Identifier: GPL-3.0-or-later
// The words of orvane-cli's command line as UTF-8 texts. On Windows they come from the wide command
// line, so that a file name in any script survives, not only one of the ANSI code page.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> ProgramArguments(int argc, char* argv[]);
