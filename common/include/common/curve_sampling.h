// SPDX-License-Identifier: GPL-3.0-or-later
// The points of a plotted curve: at least one per pixel column, more where the curve jumps, none
// drawn across a failed point or a pole, and its zeros found as the solve operator finds them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "formula_of_x.h"
#include "sampling_session.h"

// A zero of a curve: where solve's bisection ends on the bracket [low, high], two neighbouring points
// of the curve whose values have opposite signs. A point whose value is exactly 0 is a zero with
// low = high = x.
struct cZero {
    double x;
    double low;
    double high;
};

struct cCurve {
    // The points in increasing x. A NaN y draws nothing there: a failed point, or a break put between
    // two points across a pole or a jump, so that no line joins them.
    std::vector<double> x;
    std::vector<double> y;
    // The values at the evenly spaced points only, where the automatic y range looks.
    std::vector<double> evenValues;
    std::vector<cZero> zeros;
    bool moreZeros = false;  // there were more than MaxZeros
};

struct cSamplingPlan {
    double from = -10.0;
    double to = 10.0;
    int columns = 600;  // evenly spaced steps from `from` to `to`: columns + 1 points
    // The height the curve is shown in, for telling a jump from a step; 0 takes the height the
    // automatic y range would give.
    double yScale = 0.0;
};

inline constexpr std::size_t MaxZeros = 100;

// The i-th of count + 1 evenly spaced points from from to to, to itself at i == count. Exact at both
// ends, and no overflow where to - from is beyond the largest double (-1E308 to 1E308).
double EvenlySpacedPoint(double from, double to, int i, int count);

// Samples the formula over the plan's range. Counts one point done in the session per evenly spaced
// point, so a session for n curves plans n * (columns + 1) points. Raises cCalculationCancelled when
// the session or the front end cancels.
cCurve SampleCurve(cFormulaOfX& formula, const cSamplingPlan& plan, cSamplingSession& session);

// The points to plan in a session that samples that many curves with the plan.
inline std::uint32_t PlannedPoints(std::size_t curves, const cSamplingPlan& plan) {
    return static_cast<std::uint32_t>(curves * (static_cast<std::size_t>(plan.columns) + 1));
}

// The solve operator's bisection on [low, high] with the values there already known: 40 halvings
// towards the end whose value is larger, each midpoint rounded from the 64-bit-mantissa sum; the
// answer is the last interval's midpoint.
double SolveBracket(cFormulaOfX& formula, double low, double high, double atLow, double atHigh);
