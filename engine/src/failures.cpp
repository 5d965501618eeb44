// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's exception types. Their texts serve diagnostics only: the front ends show their own
// fixed messages for each family.
#include <string>
#include <utility>

#include "engine/Parser_core.h"

namespace {

const char* SyntaxErrorText(ptFehlerCode code) {
    switch (code) {
        case ptFehlerCode::BracketError:
            return "bracket error";
        case ptFehlerCode::UnknownFunction:
            return "unknown function";
        case ptFehlerCode::UnknownConstant:
            return "unknown constant";
        case ptFehlerCode::BadVariable:
            return "bad variable";
        case ptFehlerCode::EmptyOperand:
            return "empty operand";
        case ptFehlerCode::ArgumentCount:
            return "wrong number of arguments";
    }
    return "syntax error";
}

const char* CalcFailureText(cCalcFailure::Kind kind) {
    switch (kind) {
        case cCalcFailure::Kind::DivisionByZero:
            return "division by zero";
        case cCalcFailure::Kind::InvalidOperation:
            return "invalid operation";
        case cCalcFailure::Kind::Overflow:
            return "overflow";
        case cCalcFailure::Kind::TooDeep:
            return "calls nested too deeply";
    }
    return "calculation failure";
}

}  // namespace

cParseFailure::cParseFailure(const std::string& what, int first, int last, std::string subject)
    : std::runtime_error(what), first(first), last(last), subject(std::move(subject)) {}

cSyntaxError::cSyntaxError(ptFehlerCode code, int first, int last, std::string subject)
    : cParseFailure(SyntaxErrorText(code), first, last, std::move(subject)), code(code) {}

cConversionError::cConversionError(std::string_view text)
    : cParseFailure("not a number: " + std::string(text.substr(0, 40)), -1, -1, std::string(text)) {}

cNestingTooDeep::cNestingTooDeep(int first, int last)
    : cParseFailure("formula nested too deeply", first, last) {}

cDefinitionError::cDefinitionError(ptDefinitionProblem problem)
    : cParseFailure("not a declaration of its kind"), problem(problem) {}

cCalcFailure::cCalcFailure(Kind kind) : std::runtime_error(CalcFailureText(kind)), kind(kind) {}

cCalculationCancelled::cCalculationCancelled() : std::runtime_error("cancelled") {}
