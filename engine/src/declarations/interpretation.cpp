// SPDX-License-Identifier: GPL-3.0-or-later
// Interpretation of declarations: a constant's definition becomes its name and value, a user
// function's definition its name, parameter count and parsed body.
#include "interpretation.h"

#include "engine/Parser_core.h"
#include "parsing/name_index.h"
#include "parsing/parser.h"

namespace {

constexpr std::int16_t MaxParameters = VariableCount;

std::string CompactDefinition(const std::optional<std::string>& definition);
bool StandsAlone(const std::string& text, std::size_t position);

// A first name extends its table's index; only a changed one makes the indexes start afresh.
void SetName(std::optional<std::string>& name, std::string value) {
    if (name && *name != value) NamesChanged();
    name = std::move(value);
}

}  // namespace

// name=number. Raises when the number text is not a number in its entirety.
bool InterpretConstant(cConstant& constant) {
    try {
        InterpretConstantOrRaise(constant);
        return true;
    } catch (const cDefinitionError&) {
        return false;
    }
}

// name(p;q;...)=body. Raises when the parser rejects the body.
bool InterpretFunction(cUserFunction& function) {
    try {
        InterpretFunctionOrRaise(function);
        return true;
    } catch (const cDefinitionError&) {
        return false;
    }
}

void InterpretConstantOrRaise(cConstant& constant) {
    const std::string text = CompactDefinition(constant.definition);
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) throw cDefinitionError(ptDefinitionProblem::NoEquals);
    SetName(constant.name, text.substr(0, equals));
    try {
        constant.value = ConvertDecimal(std::string_view(text).substr(equals + 1), true);
    } catch (cParseFailure& failure) {
        failure.first = static_cast<int>(equals) + 1;
        failure.last = static_cast<int>(text.size()) - 1;
        PlaceInUncompacted(*constant.definition, failure);  // an absent definition has no '='

        throw;
    }
}

// Parameter k becomes variable letter a+k of the body's tree.
void InterpretFunctionOrRaise(cUserFunction& function) {
    const std::string text = CompactDefinition(function.definition);
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) throw cDefinitionError(ptDefinitionProblem::NoEquals);
    const std::string head = text.substr(0, equals);
    std::string body = text.substr(equals + 1);
    const std::size_t open = head.find('(');
    if (head.empty() || head.back() != ')' || open == std::string::npos)
        throw cDefinitionError(ptDefinitionProblem::NoParameterList);

    std::int16_t count = 0;
    if (!head.ends_with("()")) {
        // The head ends with ')', so a place after ';' always lies inside the head.
        for (std::size_t place = open + 1;; place += 2) {
            if (!IsNameChar(head[place])) throw cDefinitionError(ptDefinitionProblem::BadParameter);
            // Letters past z are no variables: a 27th parameter could never be read in the body.
            if (count == MaxParameters) throw cDefinitionError(ptDefinitionProblem::TooManyParameters);
            SubstituteParameter(body, head[place], static_cast<char>('a' + count));
            ++count;
            if (head[place + 1] != ';') break;
        }
    }
    SetName(function.name, head.substr(0, open));
    function.paramCount = count;
    try {
        function.tree = std::make_unique<cParseTree>(body);
    } catch (cParseFailure& failure) {
        // The substitutions keep every character in its place, so the body's positions are the
        // compacted definition's, shifted by the head.
        if (failure.first >= 0) {
            failure.first += static_cast<int>(equals) + 1;
            failure.last += static_cast<int>(equals) + 1;
        }
        PlaceInUncompacted(*function.definition, failure);  // an absent definition has no '='

        throw;
    }
}

// Replaces oldChar where it stands alone as a one-letter name, left to right on the text as the
// earlier replacements left it.
void SubstituteParameter(std::string& text, char oldChar, char newChar) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == oldChar && StandsAlone(text, i)) text[i] = newChar;
    }
}

namespace {

std::string CompactDefinition(const std::optional<std::string>& definition) {
    return definition ? CompactText(*definition) : std::string();
}

// After a digit or a point the letter belongs to a number, as the e of 1e5 does.
bool StandsAlone(const std::string& text, std::size_t position) {
    const std::size_t last = text.size() - 1;
    if (position == 0) return last == 0 || !IsNameChar(text[1]);
    const char previous = text[position - 1];
    if (IsNameChar(previous) || IsNumberStart(previous)) return false;
    return position == last || !IsNameChar(text[position + 1]);
}

}  // namespace
