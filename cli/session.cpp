// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include <algorithm>
#include <string>

#include "commands.h"
#include "common/result_text.h"
#include "console.h"

bool cSession::RunFormula(std::string_view formula) {
    const cCalculation calculation = calculator_.Calculate(formula);
    if (calculation.Succeeded()) {
        StandardOutput().Line(ResultText(calculation.value, DecimalSeparator));
        return true;
    }
    const bool parseFailure = calculation.outcome == cCalculation::Outcome::ParseError;
    MarkFailure(calculation);
    StandardOutput().Line("<ERROR>");
    ReportMessage((parseFailure ? "parse error: " : "calc error: ") + calculation.detail);
    return false;
}

bool cSession::RunLine(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') return true;
    if (IsCommand(line.substr(first))) return RunCommand(line.substr(first), calculator_);
    return RunFormula(line);
}

void cSession::MarkFailure(const cCalculation& calculation) {
    if (markColumn_ == 0 || calculation.first < 0) return;
    const auto width = static_cast<std::size_t>(std::max(calculation.last - calculation.first + 1, 1));
    std::string marker(markColumn_ + static_cast<std::size_t>(calculation.first), ' ');
    marker.append(width, '^');
    ReportMessage(marker);
}
