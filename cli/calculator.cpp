#include "calculator.h"

#include <algorithm>

#include "failure_texts.h"

namespace {

// The engine counts bytes; a user counts characters, and a UTF-8 character may take several bytes.
int CharacterPosition(std::string_view text, int bytePosition) {
    int characters = 0;
    const auto end = std::min(static_cast<std::size_t>(bytePosition), text.size());
    for (std::size_t i = 0; i < end; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++characters;
    return characters;
}

}  // namespace

cCalculation cCalculator::Calculate(std::string_view formula) {
    cCalculation calculation;
    lastResult_ = 0.0;
    try {
        tree_.Parse(formula);
    } catch (cParseFailure& failure) {
        if (failure.first >= 0) {
            const int lastByte = failure.last;
            failure.first = CharacterPosition(formula, failure.first);
            failure.last = CharacterPosition(formula, lastByte + 1) - 1;
        }
        calculation.failure = "parse error: " + ParseFailureDetail(failure);
        calculation.first = failure.first;
        calculation.last = failure.last;
        return calculation;
    } catch (const std::exception& failure) {
        calculation.failure = "parse error: " + CalcFailureDetail(failure);
        return calculation;
    }
    try {
        calculation.value = tree_.Evaluate();
    } catch (const std::exception& failure) {
        calculation.failure = "calc error: " + CalcFailureDetail(failure);
        return calculation;
    }
    calculation.succeeded = true;
    lastResult_ = calculation.value;
    return calculation;
}
