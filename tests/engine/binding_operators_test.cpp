// SPDX-License-Identifier: GPL-3.0-or-later
// sum, pro, integral, derivative and solve: values, the bound variable left behind, evaluation order
// and work counts.
#include <cmath>
#include <string>

#include "common/result_text.h"
#include "engine_fixture.h"

namespace {

class BindingOperatorsTest : public cEngineTest {};

struct cOperatorCase {
    const char* name;
    const char* formula;
    double expected;
    char letter;
    double left;  // value left in the bound variable
};

TEST_F(BindingOperatorsTest, ValuesAndBoundVariables) {
    const cOperatorCase cases[] = {
        {"sum of a range", "sum('i';1;10;i)", 55, 'i', 11},
        {"product of a range", "pro('i';1;5;i)", 120, 'i', 6},
        {"reversed sum", "sum('i';5;1;i)", 0, 'i', 5},
        {"reversed product", "pro('i';5;1;i)", 1, 'i', 5},
        {"bounds truncate toward zero", "sum('i';1.9;3.9;i)", 6, 'i', 4},
        {"negative bound truncates toward zero", "sum('i';-1.5;1;i)", 0, 'i', 2},
        {"NaN bound counts as zero", "sum('i';sqrt(-1);2;i)", 3, 'i', 3},
        {"letter from its code", "sum(105;1;3;i)", 6, 'i', 4},
        {"letter from the low byte", "sum(361;1;3;i)", 6, 'i', 4},
        {"a non-letter binds a", "sum('A';1;3;a)", 6, 'a', 4},
        {"same letter nested stops the outer loop", "sum('i';1;3;sum('i';1;2;i))", 3, 'i', 4},
        {"integral of a square", "integral('x';0;1;x^2)", 1.0 / 3, 'x', 1},
        {"reversed integral", "integral('x';1;0;x^2)", -1.0 / 3, 'x', 0},
        {"integral over nothing", "integral('x';2;2;x^2)", 0, 'x', 2},
        {"derivative of a cube", "derivative('x';1;x^3)", 3.00000025, 'x', 1.0005},
        {"solve a root", "solve('x';0;2;x^2-2)", std::sqrt(2.0), 'x', 0},
        {"solve with swapped bounds", "solve('x';2;0;x^2-2)", std::sqrt(2.0), 'x', 0},
        {"solve without a root", "solve('x';0;1;x+1)", std::ldexp(1.0, -41), 'x', 0},
    };
    for (const auto& c : cases) {
        cParseTree tree(c.formula);
        const double value = tree.Evaluate();
        EXPECT_NEAR(value, c.expected, 1e-12) << c.name;  // solve: within 2/2^41
        if (c.left != 0 || c.letter == 'a') {
            EXPECT_DOUBLE_EQ(tree.GetVariable(c.letter), c.left) << c.name;
        }
    }
}

// The values the calculator shows, to the last digit. The derivative and solve differ from the exact
// 3.00000025 and the square root of 2 by what their doubles allow (a few 1E-13).
TEST_F(BindingOperatorsTest, DocumentedResultsToTheLastDigit) {
    const struct {
        const char* formula;
        const char* shown;
    } cases[] = {
        {"integral('x';0;1;x^2)", "0.333333333333333"},
        {"integral('x';1;0;x^2)", "-0.333333333333333"},
        {"derivative('x';1;x^3)", "3.00000024999958"},
        {"solve('x';0;2;x^2-2)", "1.41421356237242"},
        {"solve('x';2;0;x^2-2)", "1.41421356237242"},
        {"solve('x';0;1;x+1)", "4.54747350886464E-13"},
        {"integral('x';0;2;x^7)", "32"},
        {"integral('x';0;1;exp(x))", "1.71828182845904"},
        {"sum('i';1;100;1/i^2)", "1.63498390018489"},
        {"pro('k';1;20;k)", "2.43290200817664E18"},
    };
    for (const auto& c : cases) {
        cParseTree tree(c.formula);
        EXPECT_EQ(ResultText(tree.Evaluate(), '.'), c.shown) << c.formula;
    }
}

TEST_F(BindingOperatorsTest, SolveLeavesTheLastMidpointAndDerivativeTheUpperPoint) {
    cParseTree solve("solve('x';0;2;x^2-2)");
    const double root = solve.Evaluate();
    EXPECT_NE(solve.GetVariable('x'), root);
    EXPECT_NEAR(solve.GetVariable('x'), root, 2.0 / 1099511627776.0);

    cParseTree derivative("derivative('x';1;x^3)");
    derivative.Evaluate();
    EXPECT_EQ(derivative.GetVariable('x'), 1.0005);

    cParseTree integral("integral('x';0;1;x)");
    integral.Evaluate();
    integral.Parse("x");
    EXPECT_EQ(integral.Evaluate(), 1);
}

TEST_F(BindingOperatorsTest, WorkCountsAndProgress) {
    const struct {
        const char* formula;
        std::int32_t total;
        std::int32_t done;
    } cases[] = {
        {"sum('i';1;10;i)", 1 + 1 + 1 + 10 * 1 + 1, 14},   {"sum('i';5;1;i)", 1 + 1 + 1 + (-3) * 1 + 1, 4},
        {"integral('x';0;1;x)", 1 + 1 + 1 + 120 + 1, 127}, {"derivative('x';1;x^3)", 1 + 1 + 2 * 3 + 1, 9},
        {"solve('x';0;2;x)", 1 + 1 + 1 + 40 + 1, 46},
    };
    for (const auto& c : cases) {
        cParseTree tree(c.formula);
        Calls().clear();
        tree.Evaluate();
        EXPECT_EQ(tree.workTotal, c.total) << c.formula;
        EXPECT_EQ(tree.workDone, c.done) << c.formula;
        EXPECT_EQ(Calls().front(), (cProgressCall{0, 1, static_cast<unsigned>(c.total), 0})) << c.formula;
    }
}

TEST_F(BindingOperatorsTest, SolveEndPointsAreQuiet) {
    cParseTree tree("solve('x';0;2;x)");
    tree.Evaluate();
    // Open, the letter and the two bounds, 40 midpoints, the operator itself, close: the two end-point
    // evaluations make no calls.
    EXPECT_EQ(Calls().size(), 1u + 3u + 40u + 1u + 1u);
    EXPECT_EQ(tree.quiet, 0);
}

TEST_F(BindingOperatorsTest, FailuresInsideOperatorsLeaveTheBoundVariable) {
    cParseTree tree("sum('i';1;5;1/(i-3))");
    EXPECT_THROW(tree.Evaluate(), cCalcFailure);
    EXPECT_EQ(tree.GetVariable('i'), 3);
    EXPECT_TRUE(std::isnan(Eval("integral('x';sqrt(-1);1;x)")));
    EXPECT_TRUE(std::isnan(Eval("solve('x';sqrt(-1);1;x)")));
}

}  // namespace
