// SPDX-License-Identifier: GPL-3.0-or-later
// The fourteen built-in functions in each angle mode, and their behaviour at the edges.
#include <cmath>
#include <limits>
#include <string>

#include "engine/Math_func.h"
#include "engine_fixture.h"

namespace {

class BuiltinsTest : public cEngineTest {
protected:
    void UseAngleMode(std::uint16_t mode) {
        DoneEngine();
        AngleMode = mode;
        InitEngine();
    }
};

struct cModeCase {
    std::uint16_t mode;
    const char* formula;
    double expected;
};

TEST_F(BuiltinsTest, TrigonometryFollowsTheAngleMode) {
    const cModeCase cases[] = {
        {1, "sin(90)", 1},
        {1, "cos(90)", 6.123233995736766e-17},
        {1, "arcsin(1)", 90},
        {1, "arctan(1)", 45},
        {1, "arccos(-1)", 180},
        {1, "tan(45)", 0.9999999999999999},
        {2, "sin(100)", 1},
        {2, "arccos(0)", 100},
        {2, "arctan(1)", 50},
        {0, "sin(pi()/2)", 1},
        {0, "arcsin(1)", 1.5707963267948966},
        {0, "cos(0)", 1},
        {7, "sin(90)", 1},  // an unknown mode falls back to degrees
        {65535, "arctan(1)", 45},
    };
    for (const auto& c : cases) {
        UseAngleMode(c.mode);
        EXPECT_EQ(Eval(c.formula), c.expected) << "mode " << c.mode << ": " << c.formula;
    }
}

TEST_F(BuiltinsTest, EveryEntryHasItsNameAndArgumentCount) {
    const char* names[] = {"ln",     "exp",    "sqrt", "sin",  "cos",  "tan", "arcsin",
                           "arccos", "arctan", "sinh", "cosh", "tanh", "pi",  "e"};
    for (std::uint16_t mode : {0, 1, 2, 3}) {
        UseAngleMode(mode);
        ASSERT_EQ(BasicCount, 14);
        for (int i = 0; i < 14; ++i) {
            ASSERT_TRUE(BasicFunctions[i].name.has_value()) << i;
            EXPECT_EQ(*BasicFunctions[i].name, names[i]);
            EXPECT_EQ(BasicFunctions[i].argCount, i >= 12 ? 0 : 1);
        }
    }
    EXPECT_EQ(Pi(), 3.141592653589793);
    EXPECT_EQ(E(), 2.718281828459045);
}

struct cEdgeCase {
    const char* formula;
    double expected;
    const char* report;
};

TEST_F(BuiltinsTest, EdgesGiveDocumentedValuesAndReports) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    UseAngleMode(0);
    const cEdgeCase cases[] = {
        {"ln(0)", -inf, "log: SING error"},
        {"ln(-(0))", -inf, "log: SING error"},
        {"ln(-1)", nan, "log: DOMAIN error"},
        {"ln(exp(710))", inf, "exp: OVERFLOW error"},           // the report of exp comes first
        {"exp(709.7822265625)", 0x1.ffc045693009dp+1023, ""},   // just below the range
        {"exp(709.782712893385)", inf, "exp: OVERFLOW error"},  // just beyond it
        {"exp(709.78)", 1.7928227943945155e+308, ""},
        {"exp(-708.39599609375)", 0x1.001bb0d6e2626p-1022, ""},  // still a normal double
        {"exp(-745)", 4.9406564584124654e-324, ""},              // a denormal, not zero
        {"exp(-745.2)", 0, ""},
        {"exp(-708)", 3.307553003638408e-308, ""},
        {"sqrt(-1)", nan, "sqrt: DOMAIN error"},
        {"sqrt(-(0))", -0.0, ""},
        {"sin(9007199254740992)", nan, ""},
        {"cos(9007199254740991)", -0.9999027034384584, ""},
        {"tan(1E300)", nan, ""},
        {"arcsin(2)", nan, "asin: DOMAIN error"},
        {"arccos(-1.5)", nan, "acos: DOMAIN error"},
        {"arcsin(sqrt(-1))", nan, "sqrt: DOMAIN error"},
        {"sinh(710.4755859375)", 0x1.ffdc12c49e31bp+1023, ""},  // just below the range
        {"cosh(-710.4755859375)", 0x1.ffdc12c49e31bp+1023, ""},
        {"sinh(-710.475860073944)", -inf, "sinh: OVERFLOW error"},  // just beyond it
        {"cosh(710.475860073944)", inf, "cosh: OVERFLOW error"},
        {"sinh(-711)", -inf, "sinh: OVERFLOW error"},
        {"cosh(-711)", inf, "cosh: OVERFLOW error"},
        {"sinh(710)", 1.1169973830808555e+308, ""},
        {"tanh(1000)", 1, ""},
        {"arctan(1E308)", 1.5707963267948966, ""},
    };
    for (const auto& c : cases) {
        Reports().clear();
        const double value = Eval(c.formula);
        if (std::isnan(c.expected)) {
            EXPECT_TRUE(std::isnan(value)) << c.formula;
        } else {
            EXPECT_DOUBLE_EQ(value, c.expected) << c.formula;
            EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << c.formula;
        }
        ASSERT_FALSE(Reports().size() > 2) << c.formula;
        EXPECT_EQ(Reports().empty() ? std::string() : Reports().front(), c.report) << c.formula;
    }
}

TEST_F(BuiltinsTest, ArcsinOfTwoReportsOnceEvenInDegrees) {
    UseAngleMode(1);
    EXPECT_TRUE(std::isnan(Eval("arcsin(2)")));
    EXPECT_EQ(Reports(), std::vector<std::string>{"asin: DOMAIN error"});
}

TEST_F(BuiltinsTest, EmptyTablesStillCalculate) {
    DoneEngine();
    MaxConst = 0;
    MaxFunc = 0;
    InitEngine();
    EXPECT_EQ(Eval("sqrt(16)+pi()-pi()"), 4);
    EXPECT_THROW(Eval("gg"), cSyntaxError);
}

}  // namespace
