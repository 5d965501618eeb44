// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_option.h"

#include <charconv>
#include <string_view>

#include "common/curve_sampling.h"
#include "common/failure_texts.h"
#include "common/formula_of_x.h"
#include "common/result_text.h"
#include "common/sampling_session.h"
#include "console.h"
#include "engine/Parser_core.h"
#include "usage_error.h"

namespace {

std::int32_t ReadSteps(std::string_view text) {
    std::int32_t steps = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), steps);
    if (error != std::errc() || end != text.data() + text.size() || steps < 1 || steps > MaxTableSteps)
        throw cUsageError{"--steps expects a whole number from 1 to " + std::to_string(MaxTableSteps) +
                          ", not '" + std::string(text) + "'"};
    return steps;
}

// Why the options cannot make a table, or nothing.
std::optional<std::string> Misfit(const cTableOptions& options, bool otherFormulas) {
    if (!options.formula) return "--from, --to and --steps go with --table";
    if (!options.from || !options.to || !options.steps) return "--table needs --from, --to and --steps";
    if (otherFormulas) return "--table calculates no other formulas";
    return std::nullopt;
}

}  // namespace

bool TakeTableOption(int argc, const char* const argv[], int& position, cTableOptions& options) {
    const std::string_view argument = argv[position];
    if (argument != "--table" && argument != "--from" && argument != "--to" && argument != "--steps")
        return false;
    const std::string_view value = OptionValue(argc, argv, position);
    if (argument == "--table")
        options.formula = std::string(value);
    else if (argument == "--from")
        options.from = OptionNumber(argument, value);
    else if (argument == "--to")
        options.to = OptionNumber(argument, value);
    else
        options.steps = ReadSteps(value);
    return true;
}

bool TableRequested(const cTableOptions& options) {
    return options.formula || options.from || options.to || options.steps;
}

int RunTable(const cTableOptions& options, const cParseTree& presets, bool otherFormulas) {
    if (const auto misfit = Misfit(options, otherFormulas)) {
        ReportProgramMessage(*misfit);
        return 2;
    }
    std::optional<cFormulaOfX> formula;
    try {
        formula.emplace(*options.formula, presets.vars);
    } catch (const cParseFailure& failure) {
        ReportMessage("parse error: " + ParseFailureDetail(failure));
        return 1;
    }
    const double from = *options.from;
    const double to = *options.to;
    const std::int32_t steps = *options.steps;
    cSamplingSession session(static_cast<std::uint32_t>(steps) + 1u);
    for (std::int32_t i = 0; i <= steps; ++i) {
        const double x = EvenlySpacedPoint(from, to, i, steps);
        const auto value = formula->ValueAt(x);
        StandardOutput().Line(ResultText(x, '.') + ',' + (value ? ResultText(*value, '.') : std::string()));
        if (StandardOutput().Failed()) return IoFailureStatus;  // the rest could not be written either
        session.PointDone();
    }
    for (const std::string& line : session.Reports().PointLines())
        ReportMessage(line);
    return 0;
}
