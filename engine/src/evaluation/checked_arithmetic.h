// SPDX-License-Identifier: GPL-3.0-or-later
// Arithmetic as the calculator defines it: each operation is carried out with a 64-bit mantissa and
// its result rounded to double, and an invalid operation, a division by zero or an overflow on that
// rounding fails at once with a cCalcFailure. Only non-finite results are inspected, so the common
// path costs one test; quiet NaN operands propagate without failing.
#pragma once

#include <cmath>
#include <limits>

#include "engine/Parser_core.h"

static_assert(std::numeric_limits<long double>::digits == 64,
              "the calculator's arithmetic needs the 64-bit-mantissa extended format");

// Decides which failure a non-finite result of an operation on a and b is, or lets it pass.
double DiagnoseNonFinite(double result, double a, double b);
double DiagnoseDivision(double result, double a, double b);

inline double RoundChecked(long double exact, double a, double b) {
    const double rounded = static_cast<double>(exact);
    if (std::isfinite(rounded)) [[likely]]
        return rounded;
    return DiagnoseNonFinite(rounded, a, b);
}

inline double CheckedAdd(double a, double b) {
    return RoundChecked(static_cast<long double>(a) + b, a, b);
}
inline double CheckedSub(double a, double b) {
    return RoundChecked(static_cast<long double>(a) - b, a, b);
}
inline double CheckedMul(double a, double b) {
    return RoundChecked(static_cast<long double>(a) * b, a, b);
}
inline double CheckedDiv(double a, double b) {
    const double rounded = static_cast<double>(static_cast<long double>(a) / b);
    if (std::isfinite(rounded)) [[likely]]
        return rounded;
    return DiagnoseDivision(rounded, a, b);
}
