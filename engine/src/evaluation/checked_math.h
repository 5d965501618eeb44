// SPDX-License-Identifier: GPL-3.0-or-later
// The math library as the calculator uses it: each function gives the documented value at its edges
// and reports domain, singularity and overflow errors through MathErrorHook ("sqrt", "DOMAIN"), after
// which the calculation goes on with the returned value.
#pragma once

#include <cmath>

double CheckedLog(double x);
double CheckedExp(double x);
double CheckedSqrt(double x);
double CheckedSin(double x);
double CheckedCos(double x);
double CheckedTan(double x);
double CheckedAsin(double x);
double CheckedAcos(double x);
double CheckedAtan(double x);
double CheckedSinh(double x);
double CheckedCosh(double x);
double CheckedTanh(double x);
double CheckedPow(double x, double y);

// The power's common case inline: a finite non-zero base and a small non-zero integer exponent, by
// repeated squaring in the 64-bit mantissa, as CheckedPow computes it; everything else goes there.
double RoundPowerResult(long double power);
inline double CheckedPowInline(double x, double y) {
    if (y == 2.0 && !std::isnan(x)) {  // the most common power: one product, as the squaring makes it
        const long double square = static_cast<long double>(x) * x;
        const double rounded = static_cast<double>(square);
        if (!std::isinf(rounded)) [[likely]]
            return rounded;
        return RoundPowerResult(square);
    }
    if (std::fabs(y) < 4096.0 && std::isfinite(x) && x != 0.0) {
        const int exponent = static_cast<int>(y);
        if (exponent == y && exponent != 0) {
            unsigned remaining = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
            long double base = std::fabs(static_cast<long double>(x));
            // The products of 1 x base^(2^k) over the set bits k, lowest first; the leading 1 x is left
            // out, which changes no bit.
            while ((remaining & 1u) == 0) {
                base *= base;
                remaining >>= 1;
            }
            long double result = base;
            while ((remaining >>= 1) != 0) {
                base *= base;
                if (remaining & 1u) result *= base;
            }
            if (exponent < 0) result = 1.0L / result;
            if (x < 0.0 && (exponent & 1)) result = -result;
            const double rounded = static_cast<double>(result);
            if (!std::isinf(rounded)) [[likely]]
                return rounded;
            return RoundPowerResult(result);
        }
    }
    return CheckedPow(x, y);
}
