// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/calculator.h"

#include <algorithm>

#include "common/failure_texts.h"

namespace {

// The number of UTF-8 characters that begin before a byte position.
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
        if (encoding_ == Encoding::Utf8 && failure.first >= 0) {
            const int lastByte = failure.last;
            failure.first = CharacterPosition(formula, failure.first);
            failure.last = CharacterPosition(formula, lastByte + 1) - 1;
        }
        calculation.detail = ParseFailureDetail(failure);
        calculation.first = failure.first;
        calculation.last = failure.last;
        return calculation;
    } catch (const std::exception& failure) {
        calculation.detail = CalcFailureDetail(failure);  // out of memory
        return calculation;
    } catch (...) {
        return calculation;
    }
    try {
        calculation.value = tree_.Evaluate();
    } catch (const cCalculationCancelled& failure) {
        calculation.outcome = cCalculation::Outcome::Cancelled;
        calculation.detail = CalcFailureDetail(failure);
        return calculation;
    } catch (const std::exception& failure) {
        calculation.outcome = cCalculation::Outcome::CalcError;
        calculation.detail = CalcFailureDetail(failure);
        return calculation;
    } catch (...) {
        calculation.outcome = cCalculation::Outcome::CalcError;
        return calculation;
    }
    calculation.outcome = cCalculation::Outcome::Value;
    lastResult_ = calculation.value;
    return calculation;
}

double cCalculator::StoreResult(char letter) {
    tree_.SetVariable(letter, lastResult_);
    return lastResult_;
}

double cCalculator::AddResult(char letter) {
    tree_.SetVariable(letter, tree_.GetVariable(letter) + lastResult_);
    return tree_.GetVariable(letter);
}

double cCalculator::SubtractResult(char letter) {
    tree_.SetVariable(letter, tree_.GetVariable(letter) - lastResult_);
    return tree_.GetVariable(letter);
}
