// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's declaration options: -c DEF and -f DEF declare a constant or a user function,
// --load FILE loads a library, --save-constants FILE and --save-functions FILE save one.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct cDeclarationOptions {
    std::vector<std::string> libraries;
    std::vector<std::string> constants;
    std::vector<std::string> functions;
    std::optional<std::string> saveConstants;
    std::optional<std::string> saveFunctions;
};

// When argv[position] is one of the options above, stores its value, moves position onto the value
// and answers true. Throws cUsageError when the value is missing.
bool TakeDeclarationOption(int argc, const char* const argv[], int& position, cDeclarationOptions& options);

// Loads the libraries in order, then commits all constants, then all functions, as the declaration
// editor would, then saves. Answers 0, or the exit status 2 after saying why on standard error.
int ApplyDeclarationOptions(const cDeclarationOptions& options);
