// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluation: values, evaluation order, progress calls, failures and the power operator's edges.
#include <cmath>
#include <limits>
#include <string>

#include "engine_fixture.h"

namespace {

class EvaluatorTest : public cEngineTest {};

using Kind = cCalcFailure::Kind;

cCalcFailure::Kind FailureOf(const std::string& formula) {
    cParseTree tree(formula);
    try {
        tree.Evaluate();
    } catch (const cCalcFailure& failure) {
        return failure.kind;
    }
    ADD_FAILURE() << formula << " did not fail";
    return Kind::TooDeep;
}

TEST_F(EvaluatorTest, ProgressCallsFollowEveryNode) {
    cParseTree tree("2+3");
    EXPECT_EQ(tree.Evaluate(), 5);
    EXPECT_EQ(Calls(), (std::vector<cProgressCall>{
                           {0, 1, 3, 0}, {0, 1, 3, 1}, {0, 1, 3, 2}, {0, 1, 3, 3}, {0, 0, 0, 0}}));
}

TEST_F(EvaluatorTest, ArithmeticFailuresCloseTheLineFirst) {
    const struct {
        const char* formula;
        Kind kind;
    } cases[] = {
        {"1/0", Kind::DivisionByZero},     {"0/0", Kind::InvalidOperation},
        {"10^200*10^200", Kind::Overflow}, {"ln(0)-ln(0)", Kind::InvalidOperation},
        {"1E308+1E308", Kind::Overflow},   {"-1E308-1E308", Kind::Overflow},
        {"1E300/1E-300", Kind::Overflow},  {"sum('i';1;2;1E308)", Kind::Overflow},
    };
    for (const auto& c : cases) {
        Calls().clear();
        EXPECT_EQ(FailureOf(c.formula), c.kind) << c.formula;
        ASSERT_FALSE(Calls().empty());
        EXPECT_EQ(Calls().back(), (cProgressCall{0, 0, 0, 0})) << c.formula;
    }
}

TEST_F(EvaluatorTest, NonFiniteValuesPropagateQuietly) {
    EXPECT_TRUE(std::isnan(Eval("sqrt(-1)+1")));
    EXPECT_EQ(Reports(), std::vector<std::string>{"sqrt: DOMAIN error"});
    EXPECT_EQ(Eval("ln(0)*2"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Eval("1/ln(0)"), 0.0);
    EXPECT_EQ(Eval("ln(0)/0"), -std::numeric_limits<double>::infinity());
}

TEST_F(EvaluatorTest, LnOfZeroTwiceReportsBothThenFails) {
    EXPECT_EQ(FailureOf("ln(0)-ln(0)"), Kind::InvalidOperation);
    EXPECT_EQ(Reports(), (std::vector<std::string>{"log: SING error", "log: SING error"}));
}

TEST_F(EvaluatorTest, OperandOrderIsVisibleThroughBoundVariables) {
    cParseTree sum("i+sum('i';1;3;i)");
    EXPECT_EQ(sum.Evaluate(), 6);
    EXPECT_EQ(sum.GetVariable('i'), 4);

    cParseTree power("i^sum('i';1;3;i)");
    EXPECT_EQ(power.Evaluate(), 4096);
}

TEST_F(EvaluatorTest, IntermediatesUseTheExtendedMantissa) {
    // Every node is rounded to double before its parent uses it.
    EXPECT_EQ(Eval("(1E16+1)+1"), 1E16);
    EXPECT_EQ(Eval("2^60"), 1152921504606846976.0);
    EXPECT_EQ(Eval("2^0.5"), std::sqrt(2.0));
}

TEST_F(EvaluatorTest, UserCallsSetTheCalleeVariablesAndReportOneLineDeeper) {
    DeclareFunction("diff", 2, "a-b");
    cParseTree tree("diff(5;2)");
    EXPECT_EQ(tree.Evaluate(), 3);
    const cParseTree& callee = *UserFunctions[0].tree;
    EXPECT_EQ(callee.GetVariable('a'), 5);
    EXPECT_EQ(callee.GetVariable('b'), 2);
    EXPECT_EQ(Calls(), (std::vector<cProgressCall>{{0, 1, 3, 0},
                                                   {0, 1, 3, 1},
                                                   {0, 1, 3, 2},
                                                   {1, 1, 3, 0},
                                                   {1, 1, 3, 1},
                                                   {1, 1, 3, 2},
                                                   {1, 1, 3, 3},
                                                   {1, 0, 0, 0},
                                                   {0, 1, 3, 3},
                                                   {0, 0, 0, 0}}));
}

TEST_F(EvaluatorTest, NestedCallsOfTheSameFunctionKeepEarlierArguments) {
    DeclareFunction("f", 2, "a*10+b");
    EXPECT_EQ(Eval("f(1;f(2;3))"), 1 * 10 + 23);
}

TEST_F(EvaluatorTest, EachCallLevelReportsOnItsOwnLine) {
    DeclareFunction("fa", 1, "a");
    DeclareFunction("fb", 1, "fa(a)");
    DeclareFunction("fc", 1, "fb(a)");
    DeclareFunction("fd", 1, "fc(a)");
    EXPECT_EQ(Eval("fd(7)"), 7);
    unsigned deepest = 0;
    for (const auto& call : Calls())
        deepest = std::max(deepest, call.line);
    EXPECT_EQ(deepest, 4u);
    EXPECT_EQ(Calls().back(), (cProgressCall{0, 0, 0, 0}));
}

TEST_F(EvaluatorTest, FailureInACalleeClosesEveryLine) {
    DeclareFunction("bad", 1, "a/0");
    Calls().clear();
    EXPECT_EQ(FailureOf("sum('i';1;bad(1);i)"), Kind::DivisionByZero);
    const std::vector<cProgressCall> tail(Calls().end() - 2, Calls().end());
    EXPECT_EQ(tail, (std::vector<cProgressCall>{{1, 0, 0, 0}, {0, 0, 0, 0}}));
}

TEST_F(EvaluatorTest, FailureDuringAQuietStretchDoesNotSilenceLaterCalculations) {
    cParseTree tree;
    tree.Parse("sum('i';1/0;3;i)");
    EXPECT_THROW(tree.Evaluate(), cCalcFailure);
    EXPECT_EQ(tree.quiet, 0);
    tree.Parse("1+1");
    Calls().clear();
    tree.Evaluate();
    EXPECT_EQ(Calls().size(), 5u);
}

// A chain of 9999 functions, each calling the one before at the bottom of a hundred nested signs,
// fails with "calls nested too deeply" at any stack size instead of exhausting the stack.
TEST_F(EvaluatorTest, EndlessCallChainsFailInsteadOfExhaustingTheStack) {
    MaxFunc = 9999;
    DoneEngine();
    InitEngine();
    // Names of letters only: f_aaa, f_aab, ...
    auto name = [](int i) {
        return std::string("f_") + char('a' + i / 676) + char('a' + i / 26 % 26) + char('a' + i % 26);
    };
    std::string signs, brackets;
    for (int i = 0; i < 100; ++i) {
        signs += "-(";
        brackets += ")";
    }
    DeclareFunction(name(0), 1, "sqrt(a)");
    for (int i = 1; i < 9999; ++i)
        DeclareFunction(name(i), 1, signs + name(i - 1) + "(a)" + brackets);
    EXPECT_EQ(FailureOf(name(9998) + "(4)"), Kind::TooDeep);
    EXPECT_EQ(Eval(name(2) + "(4)"), 2);
}

struct cPowCase {
    double x, y, expected;
    const char* report;  // empty when none
    const char* name = "";
};

TEST_F(EvaluatorTest, PowerEdgesGiveDocumentedValuesAndReports) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double denormal = 4.9406564584124654e-324;
    const cPowCase cases[] = {
        {0, 2, 0, ""},
        {denormal, 2, 0, ""},
        {0, 0, 1, "pow: DOMAIN error"},
        {0, -1, inf, "pow: DOMAIN error"},
        {inf, 0, inf, "pow: OVERFLOW error"},
        {nan, 2, inf, "pow: OVERFLOW error"},
        {-inf, -1, 0, ""},
        {5, 0, 1, ""},
        {5, denormal, 1, ""},
        {2, inf, inf, "pow: OVERFLOW error"},
        {2, nan, inf, "pow: OVERFLOW error"},
        {-8, 1.0 / 3, nan, "pow: DOMAIN error"},
        {-2, 3, -8, ""},
        {-2, -2, 0.25, ""},
        {-2, 1e19, inf, "pow: OVERFLOW error", "a double beyond 2^63 is an even integer"},
        {-1, 1e19, 1, "", "minus one to an even power is one"},
        {10, 400, inf, "pow: OVERFLOW error"},
        {-10, 401, -inf, "pow: OVERFLOW error", "an overflow keeps the sign of an odd power"},
        {-10, 309, -inf, "pow: OVERFLOW error", "overflow just past the range keeps its sign"},
        {1.797e308, 1, 1.797e308, "", "a result just below the range is no overflow"},
        {2, 1023.999, 0x1.ffa52de61c1b3p+1023, "", "a fractional power just below the range"},
        {10, -400, 0, ""},
        {2, -1074, denormal, "", "the smallest denormal is a result, not zero"},
        {10, -320, 1e-320, "", "a denormal result by repeated squaring"},
        {0.5, 1075.5, 0, "", "a true underflow is silent"},
        {denormal, 0.5, 0x1p-537, "", "a denormal base is a number like any other"},
        {denormal, 0, 1, "", "a denormal base to the power zero reports nothing"},
        {denormal, -1, inf, "pow: OVERFLOW error", "the reciprocal of a denormal overflows"},
        {3, 4, 81, ""},
        {2, -2, 0.25, ""},
    };
    for (const auto& c : cases) {
        cParseTree tree("x^y");
        tree.SetVariable('x', c.x);
        tree.SetVariable('y', c.y);
        Reports().clear();
        const double value = tree.Evaluate();
        if (std::isnan(c.expected)) {
            EXPECT_TRUE(std::isnan(value)) << c.x << "^" << c.y;
        } else {
            EXPECT_EQ(value, c.expected) << c.x << "^" << c.y << " " << c.name;
        }
        const std::vector<std::string> expectedReports =
            *c.report ? std::vector<std::string>{c.report} : std::vector<std::string>{};
        EXPECT_EQ(Reports(), expectedReports) << c.x << "^" << c.y << " " << c.name;
    }
}

TEST_F(EvaluatorTest, VariableAccessIsLimitedToLetters) {
    cParseTree tree;
    for (char c : {'{', '_', 'A', '`'}) {
        EXPECT_FALSE(tree.SetVariable(c, 1));
        EXPECT_EQ(tree.GetVariable(c), 0.0);
    }
    for (char c = 'a'; c <= 'z'; ++c)
        EXPECT_EQ(tree.GetVariable(c), 0.0);
    EXPECT_EQ(ToVarLetter(361), 'i');
    EXPECT_EQ(ToVarLetter(65), 'a');
    EXPECT_EQ(ToVarLetter(-151), 'i');
}

TEST_F(EvaluatorTest, NodesCopyDeeplyAndTreesDeleteCleanly) {
    cParseTree tree("1+2*3");
    {
        cNode copy(*tree.root);
        copy.children[1].children[0].number = 5;
    }
    EXPECT_EQ(tree.Evaluate(), 7);
    cParseTree* owned = NewParseTree();
    DeleteParseTree(owned);
    EXPECT_EQ(owned, nullptr);
    DeleteParseTree(owned);
    EXPECT_EQ(owned, nullptr);
}

}  // namespace
