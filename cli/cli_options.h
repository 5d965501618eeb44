// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of orvane-cli.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "declaration_options.h"
#include "table_option.h"
#include "usage_error.h"

struct cCliOptions {
    std::vector<std::pair<char, double>> presetVariables;  // --set LETTER=NUMBER, in order
    std::optional<std::uint16_t> angleMode;                // --angle rad|deg|gra
    bool printVariables = false;                           // --vars
    bool localeSeparator = false;                          // --locale
    bool showHelp = false;
    bool showVersion = false;
    std::vector<std::string> formulas;  // none: read standard input line by line
    cDeclarationOptions declarations;   // -c, -f, --load, --save-constants, --save-functions
    cTableOptions table;                // --table, --from, --to, --steps
};

// Throws cUsageError for anything it does not understand.
cCliOptions ParseCommandLine(int argc, const char* const argv[]);

extern const char* const UsageText;
