// The engine's exception types. Their texts serve diagnostics only: the front ends show their own
// fixed messages for each family.
#include <string>

#include "Parser_core.h"

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

cSyntaxError::cSyntaxError(ptFehlerCode code) : cParseFailure(SyntaxErrorText(code)), code(code) {}

cConversionError::cConversionError(std::string_view text)
    : cParseFailure("not a number: " + std::string(text.substr(0, 40))) {}

cNestingTooDeep::cNestingTooDeep() : cParseFailure("formula nested too deeply") {}

cCalcFailure::cCalcFailure(Kind kind) : std::runtime_error(CalcFailureText(kind)), kind(kind) {}
