// SPDX-License-Identifier: GPL-3.0-or-later
// What orvane-cli does with one formula or one line, wherever it comes from: the command line, a
// script on standard input, or the interactive prompt.
#pragma once

#include <cstddef>
#include <string_view>

#include "common/calculator.h"

class cSession {
public:
    // Interactive mode marks a parse failure's characters right under the line typed after the prompt.
    void MarkFailuresAfterPrompt(std::size_t promptWidth) { markColumn_ = promptWidth; }

    // Prints the result, or <ERROR> with the failure on standard error. Answers whether it succeeded.
    bool RunFormula(std::string_view formula);
    // A line of a script or of interactive mode: blank lines and lines beginning with '#' do nothing,
    // a line beginning with ':' is a command, any other line a formula.
    bool RunLine(std::string_view line);

    cCalculator& Calculator() { return calculator_; }

private:
    void MarkFailure(const cCalculation& calculation);

    cCalculator calculator_{cCalculator::Encoding::Utf8};
    std::size_t markColumn_ = 0;
};
