// SPDX-License-Identifier: GPL-3.0-or-later
// Arithmetic on unevaluated sums hi + lo of two 64-bit-mantissa values (about 128 bits), and the
// bit-level helpers of the engine's elementary functions. x87 extended precision only.
#pragma once

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the elementary functions work with the 64-bit-mantissa extended format");

namespace elementary::wide {

// The same in doubles: about 106 bits.
struct cWideDouble {
    double hi, lo;
};

// An unevaluated sum hi + lo with |lo| at most half an ulp of hi: about 128 bits.
struct cWide {
    long double hi, lo;
};

// The exact sum and product of two extended values (Knuth's two-sum, Dekker's product).
[[gnu::always_inline]] inline cWide TwoSum(long double a, long double b) {
    const long double sum = a + b;
    const long double bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}
[[gnu::always_inline]] inline cWide FastTwoSum(long double big, long double small) {
    const long double sum = big + small;
    return {sum, small - (sum - big)};
}
[[gnu::always_inline]] inline void Split(long double a, long double& hi, long double& lo) {
    const long double scaled = 4294967297.0L * a;  // 2^32 + 1: two halves of 32 bits
    hi = scaled - (scaled - a);
    lo = a - hi;
}
[[gnu::always_inline]] inline cWide TwoProduct(long double a, long double b) {
    const long double product = a * b;
    long double aHi, aLo, bHi, bLo;
    Split(a, aHi, aLo);
    Split(b, bHi, bLo);
    return {product, ((aHi * bHi - product) + aHi * bLo + aLo * bHi) + aLo * bLo};
}

[[gnu::always_inline]] inline cWide Add(cWide a, cWide b) {
    const cWide sum = TwoSum(a.hi, b.hi);
    return FastTwoSum(sum.hi, sum.lo + a.lo + b.lo);
}
[[gnu::always_inline]] inline cWide Add(cWide a, long double b) {
    const cWide sum = TwoSum(a.hi, b);
    return FastTwoSum(sum.hi, sum.lo + a.lo);
}
[[gnu::always_inline]] inline cWide Negate(cWide a) {
    return {-a.hi, -a.lo};
}
[[gnu::always_inline]] inline cWide Multiply(cWide a, cWide b) {
    const cWide product = TwoProduct(a.hi, b.hi);
    return FastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}
[[gnu::always_inline]] inline cWide Multiply(cWide a, long double b) {
    const cWide product = TwoProduct(a.hi, b);
    return FastTwoSum(product.hi, product.lo + a.lo * b);
}
inline cWide Divide(cWide a, cWide b) {
    const long double quotient = a.hi / b.hi;
    const cWide back = Multiply(b, quotient);
    const long double remainder = ((a.hi - back.hi) - back.lo) + a.lo;
    return FastTwoSum(quotient, remainder / b.hi);
}
inline cWide SquareRoot(cWide a) {
    if (a.hi == 0) return a;
    const long double root = std::sqrt(a.hi);
    const cWide square = TwoProduct(root, root);
    const long double remainder = ((a.hi - square.hi) - square.lo) + a.lo;
    return FastTwoSum(root, remainder / (2 * root));
}
// 2^n for -16382 <= n <= 16383, built from its bits (the library's ldexp is slow on the x87); as a
// double where it is one, which the x87 loads without waiting for the two halves of a store.
[[gnu::always_inline]] inline long double PowerOfTwo(int n) {
    if (n >= -1022 && n <= 1023) return std::bit_cast<double>(static_cast<std::uint64_t>(n + 1023) << 52);
    const std::uint64_t mantissa = std::uint64_t{1} << 63;
    const auto exponent = static_cast<std::uint16_t>(n + 16383);
    long double value = 0;
    std::memcpy(&value, &mantissa, sizeof mantissa);
    std::memcpy(reinterpret_cast<unsigned char*>(&value) + sizeof mantissa, &exponent, sizeof exponent);
    return value;
}
inline cWide Scale(cWide a, int exponent) {
    const long double factor = PowerOfTwo(exponent);
    return {a.hi * factor, a.lo * factor};
}

// The nearest integer to x, |x| < 2^51, without the x87's slow rounding-mode switches.
[[gnu::always_inline]] inline double NearestInteger(long double x) {
    const double shift = 0x1.8p52;
    return (static_cast<double>(x) + shift) - shift;
}

// A positive finite double as mantissa * 2^exponent, the mantissa an integer below 2^53.
struct cBinary {
    std::uint64_t mantissa;
    int exponent;
};
inline cBinary Decompose(double x) {
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const auto biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0) return {fraction, -1074};  // a denormal
    return {fraction | std::uint64_t{1} << 52, biased - 1075};
}

// Rounds hi + lo to double once. Rounding hi alone is right unless hi lies exactly half-way between
// two doubles; then lo decides.
inline double RoundToDouble(cWide v) {
    const double nearest = static_cast<double>(v.hi);
    const long double below = v.hi - nearest;
    if (v.lo == 0 || below == 0 || !std::isfinite(nearest)) return nearest;
    const long double mirrored = nearest + 2 * below;  // the other double when hi is half-way
    if (static_cast<double>(mirrored) != mirrored) return nearest;
    return (v.lo > 0) == (below > 0) ? static_cast<double>(mirrored) : nearest;
}

// p(z), the coefficients of the highest power first: Horner's rule in z^2 for the even and the odd
// powers, two independent chains that the processor runs side by side.
template <std::size_t I, std::size_t N>
[[gnu::always_inline]] inline void HornerSteps(const long double (&coefficients)[N], long double zSquared,
                                               long double& even, long double& odd) {
    if constexpr (I < N) {
        long double& chain = (N - 1 - I) % 2 == 0 ? even : odd;
        chain = chain * zSquared + coefficients[I];
        HornerSteps<I + 1>(coefficients, zSquared, even, odd);
    }
}
template <std::size_t N>
[[gnu::always_inline]] inline long double Horner(const long double (&coefficients)[N], long double z) {
    long double even = 0, odd = 0;
    HornerSteps<0>(coefficients, z * z, even, odd);
    return even + z * odd;
}

}  // namespace elementary::wide
