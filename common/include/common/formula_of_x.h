// SPDX-License-Identifier: GPL-3.0-or-later
// A formula of the calculator's language read as a function of its variable x, for plots and tables.
// It has its own parse tree, so sampling it leaves the tree it was copied from alone.
#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "engine/Parser_core.h"

class cFormulaOfX {
public:
    // Parses the formula (raises what cParseTree::Parse raises). The other variables keep the values
    // given, as the window or the command line that asks for the plot holds them.
    cFormulaOfX(std::string_view formula, const double (&variables)[VariableCount]);

    // The value at x, or nothing where the calculation fails or its value is not finite (a division
    // by zero, a domain error's NaN). Each point starts from the variables given to the constructor,
    // so a binding operator's leftovers do not carry from one point to the next. A cancellation
    // (cCalculationCancelled) passes through.
    std::optional<double> ValueAt(double x);
    // The value at x as the calculation gives it, infinities included; NaN where it fails.
    double RawValueAt(double x);

private:
    std::unique_ptr<cParseTree> tree_;
    double variables_[VariableCount];
};

// Whether the formula reads the variable x other than as a binding operator's own variable
// (x^2 does, integral('x';0;1;x) does not). A formula that does not parse does not.
bool FormulaUsesX(std::string_view formula);

inline constexpr char PlotVariable = 'x';
