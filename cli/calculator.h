// One formula calculated as the main window's Calculate does it, in one parse tree whose variables
// carry over from formula to formula, with the last result kept for the memory commands.
#pragma once

#include <string>
#include <string_view>

#include "Parser_core.h"

struct cCalculation {
    bool succeeded = false;
    double value = 0.0;
    // On failure: "parse error: DETAIL" or "calc error: DETAIL", positions counted in characters of
    // the formula as typed (UTF-8), from 1.
    std::string failure;
    int first = -1;  // a parse failure's characters, from 0; -1 when not known
    int last = -1;
};

class cCalculator {
public:
    cCalculation Calculate(std::string_view formula);

    cParseTree& Tree() { return tree_; }
    // The value of the last calculation, 0 after a failed one, as [M], [M+] and [M-] use it.
    double LastResult() const { return lastResult_; }

private:
    cParseTree tree_;
    double lastResult_ = 0.0;
};
