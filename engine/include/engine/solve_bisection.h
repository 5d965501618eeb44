// SPDX-License-Identifier: GPL-3.0-or-later
// The bisection of the solve operator, shared with the plots' zeros so that each zero shown is what
// solve('x';a;b;f) gives on its bracket.
#pragma once

inline constexpr int SolveHalvings = 40;

// Halves [low, high] SolveHalvings times towards the sign change and answers the midpoint of what is
// left. rising: whether the function is larger at high than at low (no sign change is required).
// midpoint(low, high) forms each midpoint; valueAt(x) is the function there.
template <class Midpoint, class ValueAt>
double SolveBisection(double low, double high, bool rising, Midpoint midpoint, ValueAt valueAt) {
    const double direction = rising ? 1.0 : -1.0;
    for (int i = 0; i < SolveHalvings; ++i) {
        const double middle = midpoint(low, high);
        if (valueAt(middle) * direction > 0.0)
            high = middle;
        else
            low = middle;
    }
    return midpoint(low, high);
}
