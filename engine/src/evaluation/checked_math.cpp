// SPDX-License-Identifier: GPL-3.0-or-later
#include "checked_math.h"

#include <cmath>
#include <limits>

#include "elementary_functions.h"
#include "engine/Parser_core.h"

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

double Report(const char* function, const char* kind, double value) {
    MathErrorHook(function, kind);
    return value;
}

// Beyond this magnitude a radian argument has lost all meaning for the periodic functions.
bool TrigArgumentUsable(double x) {
    return std::fabs(x) < 9007199254740992.0;
}

bool IsZeroOrDenormal(double v) {
    return v == 0.0 || std::fpclassify(v) == FP_SUBNORMAL;
}

// A double this large or larger is an integer, and from 2^53 on an even one.
bool IsInteger(double v) {
    return v == std::trunc(v);
}
bool IsOddInteger(double v) {
    return std::fmod(v, 2.0) != 0.0;
}

long double PowerBySquaring(long double base, double exponent) {
    auto remaining = static_cast<unsigned long>(std::fabs(exponent));
    long double result = 1.0L;
    while (remaining != 0) {
        if (remaining & 1u) result *= base;
        base *= base;
        remaining >>= 1;
    }
    return exponent < 0 ? 1.0L / result : result;
}

}  // namespace

// A result beyond the double range is reported; one below it becomes a denormal or zero silently.
double RoundPowerResult(long double power) {
    const double rounded = static_cast<double>(power);
    if (std::isinf(rounded)) [[unlikely]]
        return Report("pow", "OVERFLOW", rounded);
    return rounded;
}

double CheckedLog(double x) {
    if (x == 0.0) return Report("log", "SING", -Infinity);
    if (x < 0.0) return Report("log", "DOMAIN", NotANumber);
    if (std::isinf(x)) return Report("log", "OVERFLOW", Infinity);
    return elementary::Log(x);
}

double CheckedExp(double x) {
    const double value = elementary::Exp(x);
    if (std::isinf(value)) return Report("exp", "OVERFLOW", Infinity);
    return value;
}

double CheckedSqrt(double x) {
    if (x < 0.0) return Report("sqrt", "DOMAIN", NotANumber);
    return std::sqrt(x);
}

double CheckedSin(double x) {
    return TrigArgumentUsable(x) ? elementary::Sin(x) : NotANumber;
}
double CheckedCos(double x) {
    return TrigArgumentUsable(x) ? elementary::Cos(x) : NotANumber;
}
double CheckedTan(double x) {
    return TrigArgumentUsable(x) ? elementary::Tan(x) : NotANumber;
}

double CheckedAsin(double x) {
    if (!(std::fabs(x) <= 1.0)) return Report("asin", "DOMAIN", NotANumber);
    return elementary::Asin(x);
}

double CheckedAcos(double x) {
    if (!(std::fabs(x) <= 1.0)) return Report("acos", "DOMAIN", NotANumber);
    return elementary::Acos(x);
}

double CheckedAtan(double x) {
    return elementary::Atan(x);
}

double CheckedSinh(double x) {
    const double value = elementary::Sinh(x);
    if (std::isinf(value)) return Report("sinh", "OVERFLOW", value);
    return value;
}

double CheckedCosh(double x) {
    const double value = elementary::Cosh(x);
    if (std::isinf(value)) return Report("cosh", "OVERFLOW", value);
    return value;
}

double CheckedTanh(double x) {
    return elementary::Tanh(x);
}

// The cases are decided in this order. Operands that are already infinite or NaN, and a zero base,
// keep their fixed answers; every finite case is computed and judged only by its rounded result, so a
// value the double range holds is never lost to an estimate of its size.
double CheckedPow(double x, double y) {
    if (x == 0.0) {
        if (y > 0.0) return 0.0;
        if (y == 0.0) return Report("pow", "DOMAIN", 1.0);
        if (y < 0.0) return Report("pow", "DOMAIN", Infinity);
    }
    if (std::isinf(x) || std::isnan(x)) {
        if (y >= 0.0) return Report("pow", "OVERFLOW", Infinity);
        if (y < 0.0) return 0.0;
    }
    if (IsZeroOrDenormal(y)) return 1.0;
    if (std::isinf(y) || std::isnan(y)) return Report("pow", "OVERFLOW", Infinity);

    long double sign = 1.0L;
    const long double magnitude = std::fabs(static_cast<long double>(x));
    if (x < 0.0) {
        if (!IsInteger(y)) return Report("pow", "DOMAIN", NotANumber);
        if (IsOddInteger(y)) sign = -1.0L;
    }
    // Documented results depend on the exact products of repeated squaring; the extended range
    // holds every intermediate value whose result can still be a double.
    if (IsInteger(y) && std::fabs(y) < 4096.0) return RoundPowerResult(sign * PowerBySquaring(magnitude, y));
    const long double exponentOfE = y * elementary::LogExtended(std::fabs(x));
    return RoundPowerResult(sign * elementary::ExpExtended(exponentOfE));
}
