// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/failure_texts.h"

#include <new>

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string At(const cParseFailure& failure) {
    return " at character " + std::to_string(failure.first + 1);
}

std::string SyntaxDetail(const cSyntaxError& failure) {
    // A name or bracket error that begins with an unmatched '(' is about that bracket.
    if (failure.subject == "(" || failure.subject == ")") return "bracket without partner" + At(failure);
    switch (failure.code) {
        case ptFehlerCode::BracketError:
            return Quoted(failure.subject) + " needs its arguments in brackets" + At(failure);
        case ptFehlerCode::UnknownFunction:
            return "unknown function " + Quoted(failure.subject) + At(failure);
        case ptFehlerCode::UnknownConstant:
            return "unknown constant " + Quoted(failure.subject) + At(failure);
        case ptFehlerCode::BadVariable:
            return Quoted(failure.subject) + " is not a variable (a to z)" + At(failure);
        case ptFehlerCode::EmptyOperand:
            return "operand missing" + At(failure);
        case ptFehlerCode::ArgumentCount:
            return "wrong number of arguments for " + Quoted(failure.subject) + At(failure);
    }
    return failure.what();
}

std::string DefinitionDetail(ptDefinitionProblem problem) {
    switch (problem) {
        case ptDefinitionProblem::NoEquals:
            return "the definition has no \"=\"";
        case ptDefinitionProblem::NoParameterList:
            return "the definition does not begin with name(parameters)";
        case ptDefinitionProblem::BadParameter:
            return "a parameter is not a letter a to z or \"_\"";
        case ptDefinitionProblem::TooManyParameters:
            return "more than 26 parameters";
    }
    return "not a declaration";
}

}  // namespace

std::string ParseFailureDetail(const cParseFailure& failure) {
    if (const auto* syntax = dynamic_cast<const cSyntaxError*>(&failure)) return SyntaxDetail(*syntax);
    if (const auto* definition = dynamic_cast<const cDefinitionError*>(&failure))
        return DefinitionDetail(definition->problem);
    const bool placed = failure.first >= 0;
    if (dynamic_cast<const cConversionError*>(&failure))
        return "number " + Quoted(failure.subject) + " not understood" + (placed ? At(failure) : "");
    if (dynamic_cast<const cNestingTooDeep*>(&failure)) return "formula nested too deeply";
    return failure.what();
}

std::string CalcFailureDetail(const std::exception& failure) {
    // A cCalcFailure names its kind itself ("division by zero", "overflow", ...).
    if (dynamic_cast<const cCalculationCancelled*>(&failure)) return "calculation cancelled";
    if (dynamic_cast<const std::bad_alloc*>(&failure)) return "out of memory";
    return failure.what();
}

cCommitFailure DescribeCommitFailure() {
    if (!LastCommitFailure) return {};
    try {
        std::rethrow_exception(LastCommitFailure);
    } catch (const cParseFailure& failure) {
        return {ParseFailureDetail(failure), failure.first, failure.last};
    } catch (const std::bad_alloc& failure) {
        return {CalcFailureDetail(failure), -1, -1, true};
    } catch (const std::exception& failure) {
        return {failure.what()};
    } catch (...) {
        return {};
    }
}
