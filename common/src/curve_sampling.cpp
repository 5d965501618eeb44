// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/curve_sampling.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

#include "common/plot_range.h"
#include "engine/solve_bisection.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
// A step between neighbouring points larger than this part of the shown height is looked at closer.
constexpr double JumpFraction = 0.01;
// Halvings of one column at most: a column is looked at down to a 1024th of its width.
constexpr int MaxDepth = 10;
// Extra points one column may get beyond the path towards its largest step, and all columns together
// on average, so that a curve that jumps everywhere still ends.
constexpr long RefinementsPerColumn = 64;
constexpr long RefinementsPerColumnOnAverage = 8;
// A step that shrinks by less than this when its interval is halved is not a steep slope: it is a
// pole or a jump, and no line is drawn across it.
constexpr double NotShrinking = 0.75;

double Midpoint(double low, double high) {
    return static_cast<double>((static_cast<long double>(high) + low) * 0.5L);
}

// How much a stretch asks to be looked at closer: its step, or more than any step at the edge of a gap.
double Urgency(double fa, double fb) {
    if (std::isnan(fa) && std::isnan(fb)) return 0;
    if (std::isnan(fa) || std::isnan(fb)) return std::numeric_limits<double>::infinity();
    return std::fabs(fb - fa);
}

// Looks closer at one column at a time. The halving path towards the larger step (or the edge of a
// gap) is always followed to the end, so that every pole and every gap's edge is found; the other
// halves are refined only while the budget lasts.
class cRefiner {
public:
    cRefiner(cFormulaOfX& formula, double threshold, long budget, cCurve& curve)
        : formula_(formula), threshold_(threshold), budget_(budget), curve_(curve) {}

    // Appends the points found strictly between a and b, with a break where no line may join them,
    // then b itself.
    void Column(double a, double fa, double b, double fb) {
        found_.clear();
        columnBudget_ = std::min(budget_, RefinementsPerColumn);
        Between(a, fa, b, fb, 0, std::numeric_limits<double>::infinity(), true);
        std::sort(found_.begin(), found_.end());
        for (const auto& [x, y] : found_)
            Append(x, y);
        Append(b, fb);
    }

    void Append(double x, double y) {
        curve_.x.push_back(x);
        curve_.y.push_back(y);
    }

private:
    void Between(double a, double fa, double b, double fb, int depth, double parentJump, bool onPath) {
        const double urgency = Urgency(fa, fb);
        if (urgency <= threshold_) return;
        const bool finite = !std::isinf(urgency);
        const double m = Midpoint(a, b);
        if (depth == MaxDepth || !(m > a && m < b) || (!onPath && columnBudget_ <= 0)) {
            if (finite && urgency >= NotShrinking * parentJump) found_.emplace_back(m, NaN);
            return;
        }
        if (!onPath) --columnBudget_, --budget_;
        const double fm = formula_.ValueAt(m).value_or(NaN);
        found_.emplace_back(m, fm);
        const bool leftFirst = Urgency(fa, fm) >= Urgency(fm, fb);
        const double jump = finite ? urgency : std::numeric_limits<double>::infinity();
        if (leftFirst) {
            Between(a, fa, m, fm, depth + 1, jump, onPath);
            Between(m, fm, b, fb, depth + 1, jump, false);
        } else {
            Between(m, fm, b, fb, depth + 1, jump, onPath);
            Between(a, fa, m, fm, depth + 1, jump, false);
        }
    }

    cFormulaOfX& formula_;
    double threshold_;
    long budget_;
    long columnBudget_ = 0;
    cCurve& curve_;
    std::vector<std::pair<double, double>> found_;
};

double Span(const cSamplingPlan& plan, const std::vector<double>& values) {
    if (plan.yScale > 0) return plan.yScale;
    const cRange range = AutomaticYRange(values);
    return range.high - range.low;
}

// Bisection stops next to a zero, not on it: sin(x) between two points around 0 gave 1.96E-14. Where
// a shorter decimal within the bracket (0, or the root rounded to fewer digits) makes the function
// exactly 0, that is the zero to show.
double ShortestExactZero(cFormulaOfX& formula, double root, double low, double high) {
    if (low > high) std::swap(low, high);
    const auto exactZeroAt = [&](double x) { return x >= low && x <= high && formula.RawValueAt(x) == 0.0; };
    if (exactZeroAt(0.0)) return 0.0;
    for (int digits = 1; digits < 15; ++digits) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*e", digits - 1, root);
        const double shorter = std::strtod(text, nullptr);
        if (shorter != root && exactZeroAt(shorter)) return shorter;
    }
    return root;
}

void FindZeros(cFormulaOfX& formula, cCurve& curve) {
    const auto& x = curve.x;
    const auto& y = curve.y;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const bool exact = y[i] == 0.0;
        const bool crossing = i + 1 < x.size() && ((y[i] < 0 && y[i + 1] > 0) || (y[i] > 0 && y[i + 1] < 0));
        if (!exact && !crossing) continue;
        if (curve.zeros.size() == MaxZeros) {
            curve.moreZeros = true;
            return;
        }
        if (exact)
            curve.zeros.push_back({x[i], x[i], x[i]});
        else
            curve.zeros.push_back(
                {ShortestExactZero(formula, SolveBracket(formula, x[i], x[i + 1], y[i], y[i + 1]), x[i],
                                   x[i + 1]),
                 x[i], x[i + 1]});
    }
}

}  // namespace

double EvenlySpacedPoint(double from, double to, int i, int count) {
    if (i == count) return to;  // not from plus a sum of rounded steps
    const double span = to - from;
    if (std::isfinite(span)) return from + span * i / count;
    // Halving is exact for numbers this large; the step is divided before it is multiplied, which
    // could overflow again.
    return 2 * (from / 2 + (to / 2 - from / 2) / count * i);
}

cCurve SampleCurve(cFormulaOfX& formula, const cSamplingPlan& plan, cSamplingSession& session) {
    const int columns = std::max(plan.columns, 1);
    cCurve curve;
    std::vector<double> xs(static_cast<std::size_t>(columns) + 1);
    for (int i = 0; i <= columns; ++i) {
        xs[i] = EvenlySpacedPoint(plan.from, plan.to, i, columns);
        curve.evenValues.push_back(formula.ValueAt(xs[i]).value_or(NaN));
        session.PointDone();
    }

    const double threshold = JumpFraction * Span(plan, curve.evenValues);
    cRefiner refiner(formula, threshold, columns * RefinementsPerColumnOnAverage, curve);
    refiner.Append(xs[0], curve.evenValues[0]);
    for (int i = 0; i < columns; ++i)
        refiner.Column(xs[i], curve.evenValues[i], xs[i + 1], curve.evenValues[i + 1]);
    FindZeros(formula, curve);
    return curve;
}

double SolveBracket(cFormulaOfX& formula, double low, double high, double atLow, double atHigh) {
    if (low > high) {
        std::swap(low, high);
        std::swap(atLow, atHigh);
    }
    return SolveBisection(low, high, atHigh > atLow, Midpoint,
                          [&](double x) { return formula.RawValueAt(x); });
}
