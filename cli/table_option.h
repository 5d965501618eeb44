// SPDX-License-Identifier: GPL-3.0-or-later
// orvane-cli --table FORMULA --from A --to B --steps N: the values of a formula of x at N + 1 evenly
// spaced points from A to B, as CSV rows "x,value" for plotting elsewhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class cParseTree;

struct cTableOptions {
    std::optional<std::string> formula;  // --table FORMULA
    std::optional<double> from;          // --from A
    std::optional<double> to;            // --to B
    std::optional<std::int32_t> steps;   // --steps N
};

// When argv[position] is one of the options above, stores its value, moves position onto the value
// and answers true. Throws cUsageError when the value is missing or not a number.
bool TakeTableOption(int argc, const char* const argv[], int& position, cTableOptions& options);

// Whether any of the table's options was given.
bool TableRequested(const cTableOptions& options);

// Prints the table with the variables of presets (--set) for the other letters. A point whose
// calculation fails, or whose value is not a finite number, gets an empty value; math-library reports
// are said once each on errors, with the number of points. Answers the exit status: 0, 1 when the
// formula does not parse, 2 for options that do not fit together (told on errors).
int RunTable(const cTableOptions& options, const cParseTree& presets, bool otherFormulas);

inline constexpr std::int32_t MaxTableSteps = 1'000'000;
