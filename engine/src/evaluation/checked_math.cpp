#include "checked_math.h"

#include <cmath>
#include <limits>

#include "Parser_core.h"

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

bool IsInteger(double v) {
    return std::fabs(v) < 9223372036854775808.0 && v == std::trunc(v);
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

double CheckedLog(double x) {
    if (x == 0.0) return Report("log", "SING", -Infinity);
    if (x < 0.0) return Report("log", "DOMAIN", NotANumber);
    if (std::isinf(x)) return Report("log", "OVERFLOW", Infinity);
    return std::log(x);
}

double CheckedExp(double x) {
    if (x >= 709.7822265625) return Report("exp", "OVERFLOW", Infinity);
    if (x <= -708.39599609375) return 0.0;
    return std::exp(x);
}

double CheckedSqrt(double x) {
    if (x < 0.0) return Report("sqrt", "DOMAIN", NotANumber);
    return std::sqrt(x);
}

double CheckedSin(double x) {
    return TrigArgumentUsable(x) ? std::sin(x) : NotANumber;
}
double CheckedCos(double x) {
    return TrigArgumentUsable(x) ? std::cos(x) : NotANumber;
}
double CheckedTan(double x) {
    return TrigArgumentUsable(x) ? std::tan(x) : NotANumber;
}

double CheckedAsin(double x) {
    if (!(std::fabs(x) <= 1.0)) return Report("asin", "DOMAIN", NotANumber);
    return std::asin(x);
}

double CheckedAcos(double x) {
    if (!(std::fabs(x) <= 1.0)) return Report("acos", "DOMAIN", NotANumber);
    return std::acos(x);
}

double CheckedAtan(double x) {
    return std::atan(x);
}

double CheckedSinh(double x) {
    if (std::fabs(x) >= 710.4755859375) return Report("sinh", "OVERFLOW", std::copysign(Infinity, x));
    return std::sinh(x);
}

double CheckedCosh(double x) {
    if (std::fabs(x) >= 710.4755859375) return Report("cosh", "OVERFLOW", Infinity);
    return std::cosh(x);
}

double CheckedTanh(double x) {
    return std::tanh(x);
}

// The cases are decided in this order; a negative base with an integer exponent only fixes the sign
// and goes on to the range checks.
double CheckedPow(double x, double y) {
    if (IsZeroOrDenormal(x)) {
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
        if (std::fmod(y, 2.0) != 0.0) sign = -1.0L;
    }
    const long double exponentOfE = y * std::log(magnitude);
    if (exponentOfE >= 709.78125L) return Report("pow", "OVERFLOW", Infinity);
    if (exponentOfE <= -709.78125L) return 0.0;

    const long double power =
        (IsInteger(y) && std::fabs(y) < 4096.0) ? PowerBySquaring(magnitude, y) : std::exp(exponentOfE);
    return static_cast<double>(sign * power);
}
