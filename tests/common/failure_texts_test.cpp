// SPDX-License-Identifier: GPL-3.0-or-later
// What a failed formula or declaration says: the kind of failure and its place as typed.
#include "common/failure_texts.h"

#include <gtest/gtest.h>

#include "common/engine_session.h"
#include "engine/Parser_core.h"

namespace {

class FailureTextsTest : public ::testing::Test {
protected:
    cEngineSession engine{cEngineSettings{}};
};

std::string ParseDetail(const std::string& formula) {
    try {
        cParseTree tree(formula);
    } catch (const cParseFailure& failure) {
        return ParseFailureDetail(failure);
    }
    return "parsed";
}

TEST_F(FailureTextsTest, ParseFailuresSayWhatAndWhereAsTyped) {
    const struct {
        std::string formula;
        const char* detail;
    } cases[] = {
        {"2+foo(1)", "unknown function \"foo\" at character 3"},
        {"sum('i' ;1;2;foo(i))", "unknown function \"foo\" at character 14"},
        {"2 * (3+4", "bracket without partner at character 5"},
        {"1+)", "bracket without partner at character 3"},
        {"(2)(3)", "bracket without partner at character 3"},
        {"(a", "bracket without partner at character 1"},
        {"sin 2", "\"sin\" needs its arguments in brackets at character 5"},
        {"x + 1.2.3", "number \"1.2.3\" not understood at character 5"},
        {"1E400", "number \"1E400\" not understood at character 1"},
        {"sum('i';1;x)", "wrong number of arguments for \"sum\" at character 1"},
        {"a + B", "\"B\" is not a variable (a to z) at character 5"},
        {"xy*2", "unknown constant \"xy\" at character 1"},
        {"2*-3", "operand missing at character 3"},
        {"1+ ", "operand missing at character 3"},
        {"", "operand missing at character 1"},
        {std::string(6000, '(') + "1" + std::string(6000, ')'), "formula nested too deeply"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDetail(c.formula), c.detail) << c.formula;
}

TEST_F(FailureTextsTest, CalcFailuresNameTheirKind) {
    for (const auto& [formula, detail] :
         {std::pair{"1/0", "division by zero"}, std::pair{"0/0", "invalid operation"},
          std::pair{"10^200*10^200", "overflow"}}) {
        cParseTree tree(formula);
        try {
            tree.Evaluate();
            ADD_FAILURE() << formula;
        } catch (const std::exception& failure) {
            EXPECT_EQ(CalcFailureDetail(failure), detail) << formula;
        }
    }
}

// A failed commit says why, with the place in the definition as it was written.
TEST_F(FailureTextsTest, CommitFailuresSayWhyTheDeclarationFailed) {
    const struct {
        const cDeclarationOperations* kind;
        const char* definition;
        const char* detail;
    } cases[] = {
        {&FunctionDeclarations, "f(x) = x+foo(x)", "unknown function \"foo\" at character 10"},
        {&FunctionDeclarations, "f(x;)=x", "a parameter is not a letter a to z or \"_\""},
        {&FunctionDeclarations, "f(x)", "the definition has no \"=\""},
        {&ConstantDeclarations, "g = 9.81.5", "number \"9.81.5\" not understood at character 5"},
    };
    for (const auto& c : cases) {
        c.kind->begin();
        c.kind->add(c.definition, "");
        EXPECT_EQ(c.kind->commit(), 0) << c.definition;
        EXPECT_EQ(DescribeCommitFailure().detail, c.detail) << c.definition;
        c.kind->discard();
    }
}

}  // namespace
