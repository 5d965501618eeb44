// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/curve_sampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "common/engine_session.h"
#include "common/plot_range.h"
#include "common/result_text.h"

namespace {

struct cCall {
    unsigned line, activity, total, done;
};
std::vector<cCall> calls;
cSamplingSession* cancelFrom = nullptr;  // the front end's hook asks this session to stop
unsigned cancelAtCall = 0;

void RecordProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    calls.push_back({line, activity, total, done});
    if (cancelFrom && calls.size() == cancelAtCall) cancelFrom->RequestCancel();
}
std::vector<std::string> shownReports;
void RecordReport(const char* function, const char* kind) {
    shownReports.push_back(std::string(function) + ": " + kind);
}

// An engine in radians with recording front-end hooks, put back as they were afterwards.
class CurveSampling : public ::testing::Test {
protected:
    CurveSampling() : engine_(cEngineSettings{.angleMode = 0}) {
        ProgressHook = RecordProgress;
        MathErrorHook = RecordReport;
        calls.clear();
        shownReports.clear();
        cancelFrom = nullptr;
    }
    ~CurveSampling() override {
        ProgressHook = savedProgress_;
        MathErrorHook = savedReport_;
    }

    static cFormulaOfX Formula(const char* text) {
        const double variables[VariableCount] = {};
        return cFormulaOfX(text, variables);
    }
    static cCurve Sample(const char* text, double from, double to, int columns) {
        cFormulaOfX formula = Formula(text);
        cSamplingSession session(static_cast<std::uint32_t>(columns + 1));
        return SampleCurve(formula, {from, to, columns, 0.0}, session);
    }

private:
    tProgressHook savedProgress_ = ProgressHook;
    tMathErrorHook savedReport_ = MathErrorHook;
    cEngineSession engine_;
};

// Neighbouring points that the plot joins with a line, across x = at.
bool JoinedAcross(const cCurve& curve, double at) {
    for (std::size_t i = 0; i + 1 < curve.x.size(); ++i)
        if (curve.x[i] < at && curve.x[i + 1] > at && !std::isnan(curve.y[i]) && !std::isnan(curve.y[i + 1]))
            return true;
    return false;
}

TEST_F(CurveSampling, FailedPointsAreGapsAndTheEdgeIsFoundClosely) {
    const cCurve curve = Sample("sqrt(x)", -1, 1, 20);
    double firstDrawn = 2;
    std::size_t gaps = 0;
    for (std::size_t i = 0; i < curve.x.size(); ++i) {
        if (std::isnan(curve.y[i])) {
            ++gaps;
            EXPECT_LT(curve.x[i], 0);
        } else {
            firstDrawn = std::min(firstDrawn, curve.x[i]);
        }
    }
    EXPECT_LT(firstDrawn, 0.1 / 1000);  // a column is 0.1 wide
    EXPECT_TRUE(shownReports.empty());
    {
        cFormulaOfX formula = Formula("sqrt(x)");
        cSamplingSession session(21);
        SampleCurve(formula, {-1, 1, 20, 0.0}, session);
        ASSERT_EQ(session.Reports().PointLines().size(), 1u);
        EXPECT_EQ(session.Reports().PointLines()[0],
                  "sqrt: DOMAIN error at " + std::to_string(gaps) + " points");
    }

    const cCurve divided = Sample("1/x", -1, 1, 20);
    EXPECT_TRUE(
        std::isnan(divided.y[std::find(divided.x.begin(), divided.x.end(), 0.0) - divided.x.begin()]));
}

TEST_F(CurveSampling, NoLineAndNoZeroAcrossAPole) {
    const struct {
        const char* name;
        const char* formula;
        double pole;
    } cases[] = {
        {"sign change, no point on the pole", "1/(x-0.3)", 0.3},
        {"sign change, steep", "1/(x-0.3)^3", 0.3},
        {"tangent", "tan(x)", std::acos(0.0)},
        {"jump of a step", "x/sqrt(x^2)+x/10", 0.0},
    };
    for (const auto& c : cases) {
        const cCurve curve = Sample(c.formula, -1, 2, 30);
        EXPECT_FALSE(JoinedAcross(curve, c.pole)) << c.name;
        for (const cZero& zero : curve.zeros)
            EXPECT_GT(std::fabs(zero.x - c.pole), 0.01) << c.name;
    }
}

TEST_F(CurveSampling, SteepStretchesAreRefinedUntilTheyJoin) {
    const cCurve curve = Sample("tanh(200*x)", -1, 1, 20);
    EXPECT_GT(curve.x.size(), 21u);
    EXPECT_TRUE(JoinedAcross(curve, 0.0005));
    double largestStep = 0;
    for (std::size_t i = 0; i + 1 < curve.y.size(); ++i) {
        ASSERT_FALSE(std::isnan(curve.y[i]));
        largestStep = std::max(largestStep, std::fabs(curve.y[i + 1] - curve.y[i]));
    }
    EXPECT_LT(largestStep, 0.03);  // a hundredth of the height, 2.2
}

TEST_F(CurveSampling, ZerosAreWhatSolveGivesOnTheirBracket) {
    const struct {
        const char* formula;
        std::size_t count;
    } cases[] = {
        {"x^3-2*x-1", 3},  // -1 lies on a point; the others between points
        {"x^2-2", 2},     {"sin(x)-0.5", 2}, {"integral('t';0;x;cos(t))-0.5", 2},
        {"sin(x)", 1},  // 0 lies between points: shown as 0, where sin is exactly 0
    };
    for (const auto& c : cases) {
        const cCurve curve = Sample(c.formula, -3, 3.05, 60);
        ASSERT_EQ(curve.zeros.size(), c.count) << c.formula;
        for (const cZero& zero : curve.zeros) {
            if (zero.low == zero.high) {
                EXPECT_EQ(Formula(c.formula).RawValueAt(zero.x), 0.0);
                continue;
            }
            char solve[400];
            std::snprintf(solve, sizeof solve, "solve('x';%.17g;%.17g;%s)", zero.low, zero.high, c.formula);
            cParseTree tree(solve);
            const double solved = tree.Evaluate();
            // Either what solve gives, or a shorter number where the function is exactly 0.
            if (zero.x != solved) {
                EXPECT_EQ(Formula(c.formula).RawValueAt(zero.x), 0.0) << solve;
            }
            EXPECT_LE(ResultText(zero.x, '.').size(), ResultText(solved, '.').size()) << solve;
        }
    }
    EXPECT_EQ(Sample("sin(x)", -3, 3.05, 60).zeros.at(0).x, 0.0);  // once 1.95590258445791E-14
}

TEST_F(CurveSampling, OneProgressLineForAllPointsAndDeeperLinesPassThrough) {
    BeginFuncWork();
    ASSERT_TRUE(AddFunction("g(t)=t^2", ""));
    ASSERT_EQ(CommitFuncWork(), CommitSucceeded);
    cFormulaOfX formula = Formula("g(x)");
    calls.clear();
    {
        cSamplingSession session(22, 0);
        SampleCurve(formula, {0, 1, 10, 1.0}, session);
        session.PointDone();
    }
    ASSERT_FALSE(calls.empty());
    std::size_t closes = 0;
    unsigned lastDone = 0;
    for (const cCall& call : calls) {
        if (call.line == 0 && call.activity == ActivityIdle) ++closes;
        if (call.line == 0 && call.activity != ActivityIdle) {
            EXPECT_EQ(call.total, 22u);
            EXPECT_GE(call.done, lastDone);
            lastDone = call.done;
        }
    }
    EXPECT_EQ(closes, 1u);
    EXPECT_EQ(calls.back().line, 0u);
    EXPECT_EQ(calls.back().activity, 0u);
    EXPECT_EQ(lastDone, 11u);
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const cCall& c) { return c.line == 1; }));

    calls.clear();
    {
        cSamplingSession session(11);
        SampleCurve(formula, {0, 1, 10, 1.0}, session);
    }
    EXPECT_TRUE(calls.empty()) << "quick work shows no progress";
}

TEST_F(CurveSampling, CancellingStopsAndPutsTheHooksBack) {
    cFormulaOfX formula = Formula("integral('t';0;x;sin(t))");
    {
        cSamplingSession session(101, 0);
        cancelFrom = &session;
        cancelAtCall = 500;
        EXPECT_THROW(SampleCurve(formula, {0, 1, 100, 1.0}, session), cCalculationCancelled);
        EXPECT_FALSE(cSamplingSession::NoneActive());
    }
    EXPECT_TRUE(cSamplingSession::NoneActive());
    EXPECT_EQ(calls.size(), 501u) << "the call after the request raised; the display was closed";
    EXPECT_EQ(calls.back().activity, 0u);
    EXPECT_EQ(ProgressHook, RecordProgress);
    EXPECT_EQ(MathErrorHook, RecordReport);
}

TEST_F(CurveSampling, ReportsCountOncePerPoint) {
    cFormulaOfX formula = Formula("sqrt(x)+sqrt(x)+ln(x)");
    cSamplingSession session(5);
    for (double x : {-2.0, -1.0, 0.0, 1.0})
        formula.ValueAt(x);
    const std::vector<std::string> expected = {"sqrt: DOMAIN error at 2 points",
                                               "log: DOMAIN error at 2 points", "log: SING error at 1 point"};
    EXPECT_EQ(session.Reports().PointLines(), expected);
}

TEST_F(CurveSampling, FormulaUsesXOnlyWhereXIsNotBound) {
    const struct {
        const char* formula;
        bool uses;
    } cases[] = {
        {"x^2", true},
        {"integral('t';0;x;sin(t))", true},
        {"sum('x';1;x;x)", true},
        {"integral('x';0;1;x^2)", false},
        {"exp(1)+y", false},
        {"x+(", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormulaUsesX(c.formula), c.uses) << c.formula;
}

TEST(AutomaticYRange, FitsTheBulkOfTheValues) {
    const double inf = INFINITY;
    std::vector<double> withPole = {1e9};  // -1, -0.98, ..., 1 and a pole's value
    for (int i = 0; i <= 100; ++i)
        withPole.push_back(i / 50.0 - 1);
    const struct {
        const char* name;
        std::vector<double> values;
        double low, high;
    } cases[] = {
        {"all values, widened a twentieth", {0, 2, 4, 10}, -0.5, 10.5},
        {"not finite values left out", {NAN, 0, inf, 10}, -0.5, 10.5},
        {"nothing to show", {NAN}, -1, 1},
        {"a single value", {3, 3}, 2, 4},
        {"a pole's value left out", withPole, -1.099, 1.079},
    };
    for (const auto& c : cases) {
        const cRange range = AutomaticYRange(c.values);
        EXPECT_NEAR(range.low, c.low, 0.001) << c.name;
        EXPECT_NEAR(range.high, c.high, 0.001) << c.name;
    }
}

}  // namespace
