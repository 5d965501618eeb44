// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator both programs are built around: one parse tree whose variables a to z carry over
// from formula to formula, the value of the last calculation, and the memory keys [M], [M+] and [M-]
// that move it into a variable. The desktop program's main window and orvane-cli's session only adapt
// it to their screens.
#pragma once

#include <string>
#include <string_view>

#include "engine/Parser_core.h"

struct cCalculation {
    enum class Outcome { Value, ParseError, CalcError, Cancelled };

    Outcome outcome = Outcome::ParseError;
    double value = 0.0;
    // Why it failed, in the words of failure_texts.h ("unknown function "foo" at character 4",
    // "division by zero"); empty when nothing more is known.
    std::string detail;
    // A parse failure's characters in the formula, from 0; -1 when not known.
    int first = -1;
    int last = -1;

    bool Succeeded() const { return outcome == Outcome::Value; }
};

class cCalculator {
public:
    // How the formulas are written: a character a byte (the desktop program's 8-bit text), or UTF-8
    // (orvane-cli), where a character may take several bytes. Failures count characters.
    enum class Encoding { Latin1, Utf8 };
    explicit cCalculator(Encoding encoding = Encoding::Latin1) : encoding_(encoding) {}

    // Parses the formula into the tree and evaluates it. The last result becomes its value, or 0 when
    // it fails. Nothing escapes it.
    cCalculation Calculate(std::string_view formula);

    // The value of the last calculation as the memory keys use it: 0 at start, after a failure and
    // after ForgetResult.
    double LastResult() const { return lastResult_; }
    // The result goes back to 0 (Clear; a formula that never reached the engine).
    void ForgetResult() { lastResult_ = 0.0; }

    // [M], [M+], [M-] on the variable LETTER ('a' to 'z'): the last result, the variable plus it, the
    // variable minus it. Answer the value stored.
    double StoreResult(char letter);
    double AddResult(char letter);
    double SubtractResult(char letter);

    double Variable(char letter) const { return tree_.GetVariable(letter); }
    const double (&Variables() const)[VariableCount] { return tree_.vars; }

    cParseTree& Tree() { return tree_; }

private:
    Encoding encoding_;
    cParseTree tree_;
    double lastResult_ = 0.0;
};
