// SPDX-License-Identifier: GPL-3.0-or-later
#include "elementary_functions.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include <emmintrin.h>  // SSE2, which every x86-64 processor has

#include "elementary_tables.h"
#include "wide_arithmetic.h"

namespace elementary {
namespace {

using namespace wide;

constexpr cWide Wide(const cExtendedPair& pair) {
    return {pair.hi, pair.lo};
}

// ---------------------------------------------------------------------------------------------------
// Exponential: x = (64 m + j) ln2/64 + r with |r| <= ln2/128, e^x = 2^m 2^(j/64) e^r.

constexpr long double ExpSeries[] = {1.0L / 362880, 1.0L / 40320, 1.0L / 5040, 1.0L / 720,
                                     1.0L / 120,    1.0L / 24,    1.0L / 6,    1.0L / 2};

constexpr long double ExpShortSeries[] = {1.0L / 5040, 1.0L / 720, 1.0L / 120, 1.0L / 24, 1.0L / 6, 1.0L / 2};

struct cScaledWide {
    cWide value;
    int exponent;  // the result is value times 2^exponent
};

// |x| below 11500.
cScaledWide ExpCore(long double x) {
    const double steps = NearestInteger(x * SixtyFourByLn2);
    const long double k = steps;
    const cWide r = Add(TwoSum(x - k * Ln2By64Parts[0], -k * Ln2By64Parts[1]), -k * Ln2By64Parts[2]);
    const long double higher = r.hi * r.hi * Horner(ExpSeries, r.hi);
    const cWide expMinusOne = FastTwoSum(r.hi, r.lo + higher);
    const cWide expR = Add(TwoSum(1.0L, expMinusOne.hi), expMinusOne.lo);
    const auto step = static_cast<long>(steps);
    const long j = step & 63;
    return {Multiply(Wide(ExpTable[j]), expR), static_cast<int>((step - j) / 64)};
}

// e^x for |x| up to the point where e^x cannot be a double (710.5).
cWide ExpWide(long double x) {
    const cScaledWide e = ExpCore(x);
    return Scale(e.value, e.exponent);
}

// ---------------------------------------------------------------------------------------------------
// Logarithm: x = 2^e m, m in [1, 2) near the table point c, ln x = e ln2 + ln c + ln(1 + (m - c)/c).

// ln(1 + t) - t + t^2/2 over t^3, highest power first, for |t| <= 1/128.
constexpr long double Log1pSeries[] = {-1.0L / 12, 1.0L / 11, -1.0L / 10, 1.0L / 9,  -1.0L / 8,
                                       1.0L / 7,   -1.0L / 6, 1.0L / 5,   -1.0L / 4, 1.0L / 3};

cWide Log1pSmall(cWide t) {
    const long double z = t.hi;
    const long double higher = z * z * (z * Horner(Log1pSeries, z) - 0.5L) - z * t.lo;
    const cWide sum = TwoSum(t.hi, higher);
    return FastTwoSum(sum.hi, sum.lo + t.lo);
}

// x > 0, finite.
cWide LogWide(double x) {
    if (std::fabs(x - 1) < 1.0 / 128) return Log1pSmall({static_cast<long double>(x) - 1, 0});
    cBinary binary = Decompose(x);
    while (binary.mantissa < std::uint64_t{1} << 52) {  // a denormal: normalize
        binary.mantissa <<= 1;
        --binary.exponent;
    }
    const int e = binary.exponent + 52;  // x = 2^e m with m in [1, 2)
    const long double m = static_cast<long double>(binary.mantissa) * 0x1p-52L;
    const auto j = static_cast<int>(binary.mantissa >> 45) & 127;  // the first 7 bits after the point
    const long double centre = 1 + (j + 0.5L) / 128;
    const long double offset = m - centre;  // exact
    const long double quotient = offset / centre;
    const cWide back = TwoProduct(quotient, centre);
    const cWide t = FastTwoSum(quotient, ((offset - back.hi) - back.lo) / centre);
    const cWide sum = Add(TwoSum(e * Ln2.hi, LogTable[j].hi), LogTable[j].lo + e * Ln2.lo);
    return Add(sum, Log1pSmall(t));
}

// ---------------------------------------------------------------------------------------------------
// Sine, cosine, tangent: x = q pi/2 + r with |r| <= pi/4, found exactly: with a four-part pi/2 below
// 2^20, from 256 bits of 2/pi above.

struct cReduced {
    cWide r;
    unsigned quadrant;
};

// 64 bits of the 320-bit number words[0..4] starting `bit` bits below its top.
std::uint64_t BitsAt(const std::uint64_t (&words)[5], int bit) {
    const int word = bit / 64, shift = bit % 64;
    const std::uint64_t high = words[word] << shift;
    return shift == 0 || word == 4 ? high : high | words[word + 1] >> (64 - shift);
}

constexpr long double TwoOverPi = 0xa2f9836e4e441529p-64L;

// 0 <= x < 2^53.
cReduced ReduceRightAngles(double x) {
    if (x <= 0.785398163397448) return {{x, 0}, 0};
    if (x < 0x1p20) {  // k pi/2 in four parts, each product exact: Cody and Waite's reduction
        const double steps = NearestInteger(x * TwoOverPi);
        const long double k = steps;
        const cWide head = TwoSum(x - k * HalfPiParts[0], -k * HalfPiParts[1]);
        return {Add(Add(head, -k * HalfPiParts[2]), -k * HalfPiParts[3]), static_cast<unsigned>(steps) & 3};
    }
    const cBinary binary = Decompose(x);
    const std::uint64_t mantissa = binary.mantissa;
    // x 2/pi = mantissa * TwoOverPiBits * 2^(exponent - 256): a 320-bit product whose top
    // 64 + exponent bits are the integer part.
    std::uint64_t product[5] = {};
    unsigned __int128 carry = 0;
    for (int i = 3; i >= 0; --i) {
        const unsigned __int128 term = static_cast<unsigned __int128>(mantissa) * TwoOverPiBits[i] + carry;
        product[i + 1] = static_cast<std::uint64_t>(term);
        carry = term >> 64;
    }
    product[0] = static_cast<std::uint64_t>(carry);
    const int point = 64 + binary.exponent;
    auto quadrant = static_cast<unsigned>(BitsAt(product, point - 2) >> 62);
    std::uint64_t fraction[3] = {BitsAt(product, point), BitsAt(product, point + 64),
                                 BitsAt(product, point + 128)};
    const bool pastHalf = fraction[0] >> 63;
    if (pastHalf) {  // r = (fraction - 1) pi/2: negate the fraction in 192-bit two's complement
        ++quadrant;
        bool borrow = true;
        for (int i = 2; i >= 0; --i) {
            fraction[i] = ~fraction[i] + (borrow ? 1 : 0);
            borrow = borrow && fraction[i] == 0;
        }
    }
    const int zeros = fraction[0] == 0 ? 64 : __builtin_clzll(fraction[0]);
    const std::uint64_t lead = zeros == 0    ? fraction[0]
                               : zeros == 64 ? fraction[1]
                                             : fraction[0] << zeros | fraction[1] >> (64 - zeros);
    const std::uint64_t next = zeros == 0    ? fraction[1]
                               : zeros == 64 ? fraction[2]
                                             : fraction[1] << zeros | fraction[2] >> (64 - zeros);
    const long double scale = PowerOfTwo(-64 - zeros);
    const cWide f =
        FastTwoSum(static_cast<long double>(lead) * scale, static_cast<long double>(next) * scale * 0x1p-64L);
    const cWide r = Multiply(f, Wide(HalfPi));
    return {pastHalf ? Negate(r) : r, quadrant & 3};
}

constexpr long double InverseFactorial(int n) {
    long double factorial = 1;
    for (int i = 2; i <= n; ++i)
        factorial *= i;
    return 1 / factorial;
}

// The Taylor coefficients from the fifth (odd) or fourth (even) power on, alternating in sign or not,
// highest power first: sin, sinh, cos.
template <std::size_t N>
constexpr auto SeriesFrom(int lowestPower, bool alternating) {
    struct cCoefficients {
        long double values[N];
    } series{};
    for (std::size_t i = 0; i < N; ++i) {
        const int power = lowestPower + 2 * static_cast<int>(N - 1 - i);
        const bool negative = alternating && (power / 2) % 2 == 1;
        series.values[i] = negative ? -InverseFactorial(power) : InverseFactorial(power);
    }
    return series;
}
constexpr auto SinSeries = SeriesFrom<11>(5, true);   // r^5 ... r^25
constexpr auto SinhSeries = SeriesFrom<9>(5, false);  // r^5 ... r^21, |r| < 1/2
constexpr auto CosSeries = SeriesFrom<12>(4, true);   // r^4 ... r^26

// r (1 + z (first + z p(z))) with z = r^2: the two leading terms with about 128 bits, the rest in
// extended precision, which is far below them.
template <std::size_t N>
cWide OddSeries(cWide r, cWide first, const long double (&rest)[N]) {
    const cWide z = Multiply(r, r);
    const cWide inner = Add(first, z.hi * Horner(rest, z.hi));
    return Multiply(r, Add(Multiply(z, inner), 1.0L));
}
cWide SinKernel(cWide r) {
    return OddSeries(r, Negate(Wide(OneSixth)), SinSeries.values);
}
cWide CosKernel(cWide r) {
    const cWide z = Multiply(r, r);
    const cWide inner = Add(cWide{-0.5L, 0.0L}, z.hi * Horner(CosSeries.values, z.hi));
    return Add(Multiply(z, inner), 1.0L);
}

// sin and cos of x >= 0 from the quadrant: which kernel and which sign.
cWide SinOfReduced(const cReduced& x) {
    const cWide value = x.quadrant % 2 == 0 ? SinKernel(x.r) : CosKernel(x.r);
    return x.quadrant >= 2 ? Negate(value) : value;
}
cWide CosOfReduced(const cReduced& x) {
    const cWide value = x.quadrant % 2 == 0 ? CosKernel(x.r) : SinKernel(x.r);
    return x.quadrant == 1 || x.quadrant == 2 ? Negate(value) : value;
}

// ---------------------------------------------------------------------------------------------------
// Arc tangent: for 0 <= u <= 1 and c = j/64 near u, atan u = atan c + atan((u - c)/(1 + u c)).

// atan(t) - t over t^3, highest power first, |t| <= 1/128.
constexpr long double AtanSeries[] = {1.0L / 13, -1.0L / 11, 1.0L / 9, -1.0L / 7, 1.0L / 5, -1.0L / 3};

cWide AtanUpToOne(cWide u) {
    const double j = NearestInteger(u.hi * 64);
    const long double c = j / 64;
    const cWide t = Divide(FastTwoSum(u.hi - c, u.lo), Add(Multiply(u, c), 1.0L));
    const long double z = t.hi * t.hi;
    const cWide atanT = FastTwoSum(t.hi, t.lo + t.hi * z * Horner(AtanSeries, z));
    return Add(Wide(AtanTable[static_cast<int>(j)]), atanT);
}

// atan(numerator/denominator) for numerator, denominator >= 0, not both zero.
cWide AtanOfRatio(cWide numerator, cWide denominator) {
    if (numerator.hi <= denominator.hi) return AtanUpToOne(Divide(numerator, denominator));
    return Add(Wide(HalfPi), Negate(AtanUpToOne(Divide(denominator, numerator))));
}

// sqrt(1 - x^2) for 0 <= x <= 1, exact up to the final square root.
cWide Cofactor(double x) {
    const cWide square = TwoProduct(x, x);
    return SquareRoot(Add(TwoSum(1.0L, -square.hi), -square.lo));
}

// ---------------------------------------------------------------------------------------------------
// Hyperbolic functions from e^|x| and its reciprocal; near zero sinh from its series.

constexpr double HyperbolicOverflow = 710.5;  // beyond it sinh and cosh are infinite

cWide SinhWide(double a) {
    if (a < 0.5) return OddSeries({a, 0}, Wide(OneSixth), SinhSeries.values);
    const cWide e = ExpWide(a);
    return Multiply(Add(e, Negate(Divide({1.0L, 0.0L}, e))), 0.5L);
}
cWide CoshWide(double a) {
    const cWide e = ExpWide(a);
    return Multiply(Add(e, Divide({1.0L, 0.0L}, e)), 0.5L);
}
// (e - 1/e) / (e + 1/e) from one exponential: the halves of sinh and cosh cancel exactly.
cWide TanhWide(double a) {
    if (a < 0.5) return Divide(SinhWide(a), CoshWide(a));
    const cWide e = ExpWide(a);
    const cWide inverse = Divide({1.0L, 0.0L}, e);
    return Divide(Add(e, Negate(inverse)), Add(e, inverse));
}

// ---------------------------------------------------------------------------------------------------
// Fast paths: the same reductions with plain extended arithmetic, a few units in the last place of the
// 64-bit mantissa off at most. That decides the double unless the value lies near half-way between
// two doubles (about one call in forty); only then is the wide computation made.

constexpr int SafeDistance = 24;  // units of the 64-bit mantissa's last place

// Whether every value within SafeDistance units of v rounds to the same double as v.
[[gnu::always_inline]] inline bool RoundsSafely(long double v) {
    if (!(std::fabs(v) >= 0x1p-1022L)) return false;  // zero, NaN and results below the normal range
    std::uint64_t mantissa;
    std::memcpy(&mantissa, &v, sizeof mantissa);
    const auto belowDouble = static_cast<int>(mantissa & 0x7FF);  // the 11 bits a double drops
    return belowDouble < 0x400 - SafeDistance || belowDouble > 0x400 + SafeDistance;
}

// The same for a value within `units` units of the 64-bit mantissa's last place.
[[gnu::always_inline]] inline bool RoundsSafelyWithin(long double v, int units) {
    if (!(std::fabs(v) >= 0x1p-1022L)) return false;
    std::uint64_t mantissa;
    std::memcpy(&mantissa, &v, sizeof mantissa);
    const auto belowDouble = static_cast<int>(mantissa & 0x7FF);
    return belowDouble < 0x400 - units || belowDouble > 0x400 + units;
}

[[gnu::always_inline]] inline long double ExpFast(long double x) {
    const double steps = NearestInteger(x * SixtyFourByLn2);
    const long double k = steps;
    const long double r = ((x - k * Ln2By64Parts[0]) - k * Ln2By64Parts[1]) - k * Ln2By64Parts[2];
    const long double expMinusOne = r + r * r * Horner(ExpShortSeries, r);
    const auto step = static_cast<long>(steps);
    const long j = step & 63;
    const cExtendedPair& power = ExpTable[j];
    return (power.hi + (power.lo + power.hi * expMinusOne)) * PowerOfTwo(static_cast<int>((step - j) / 64));
}

[[gnu::always_inline]] inline long double Log1pFast(long double t) {
    return t + t * t * (t * Horner(Log1pSeries, t) - 0.5L);
}

long double LogFast(double x) {
    if (std::fabs(x - 1) < 1.0 / 128) return Log1pFast(static_cast<long double>(x) - 1);
    cBinary binary = Decompose(x);
    while (binary.mantissa < std::uint64_t{1} << 52) {
        binary.mantissa <<= 1;
        --binary.exponent;
    }
    const int e = binary.exponent + 52;
    const auto j = static_cast<int>(binary.mantissa >> 45) & 127;
    const long double centre = 1 + (j + 0.5L) / 128;
    const long double t = (static_cast<long double>(binary.mantissa) * 0x1p-52L - centre) / centre;
    return (e * Ln2.hi + LogTable[j].hi) + (LogTable[j].lo + e * Ln2.lo + Log1pFast(t));
}

// Exponential in double arithmetic, Tang's way: x = (64 k + j) ln2/64 + r with r from a two-part
// ln2/64 (the first of 36 bits, so k ln2/64 and x - k ln2/64 are exact), e^x = 2^k 2^(j/64) e^r with
// 2^(j/64) in two doubles and e^r - 1 by its series. The rounded product 2^(j/64) r and its sum with
// the rest carry at most 2^-59.4 of the result's size; where both ends of a 2^-58 interval round
// alike, that double is the nearest to e^x. Results near the ends of the double range, and the rest,
// take the careful path.
struct cExpDoubleTable {
    double hi[64];
    double lo[64];
};

const cExpDoubleTable& ExpDoubleTable() {
    static const cExpDoubleTable table = [] {
        cExpDoubleTable t{};
        for (int j = 0; j < 64; ++j) {
            t.hi[j] = static_cast<double>(ExpTable[j].hi);
            t.lo[j] = static_cast<double>((ExpTable[j].hi - t.hi[j]) + ExpTable[j].lo);
        }
        return t;
    }();
    return table;
}

constexpr long double Ln2By64Head = 0xb17217f7d0000000p-70L;  // 36 bits
constexpr double Ln2By64Hi = static_cast<double>(Ln2By64Head);
constexpr double Ln2By64Lo =
    static_cast<double>(((Ln2By64Parts[0] - Ln2By64Head) + Ln2By64Parts[1]) + Ln2By64Parts[2]);
constexpr double SixtyFourByLn2Double = static_cast<double>(SixtyFourByLn2);

[[gnu::always_inline]] inline bool ExpDouble(double x, double& result) {
    if (!(std::fabs(x) <= 708)) return false;
    const double shift = 0x1.8p52;
    const double steps = (x * SixtyFourByLn2Double + shift) - shift;
    const auto step = static_cast<int>(steps);
    const double head = x - steps * Ln2By64Hi;  // exact
    const double product = steps * Ln2By64Lo;
    const double rHi = head - product;
    const double rLo = (head - rHi) - product;
    const double series =
        rHi * rHi * rHi *
        (1.0 / 6 + rHi * (1.0 / 24 + rHi * (1.0 / 120 + rHi * (1.0 / 720 + rHi * (1.0 / 5040)))));
    const double pTail = rLo + (0.5 * (rHi * rHi) + (rHi * rLo + series));  // e^r - 1 - rHi
    const cExpDoubleTable& table = ExpDoubleTable();
    const int j = step & 63;
    const double t = table.hi[j];
    const double rest = t * rHi + ((table.lo[j] + t * pTail) + table.lo[j] * rHi);
    const double hi = t + rest;
    const double lo = rest - (hi - t);
    const double error = hi * 0x1p-58;
    const double up = hi + (lo + error);
    if (up != hi + (lo - error)) return false;
    result = up * std::bit_cast<double>(static_cast<std::uint64_t>(((step - j) / 64) + 1023) << 52);
    return true;
}

// Logarithm in double arithmetic: m F - 1 = r exactly for F = 1/c to 11 bits (c the centre of m's
// 1/256 interval, |r| < 2^-8.7), ln x = e ln2 - ln F + ln(1 + r), the tables' values in two doubles.
// The sum carries at most 2^-68 of absolute error (the rounded r^2 and the last additions to the
// small tail), so where both ends of that interval round to the same double, that double is the
// nearest to ln x. Near 1 the result is small and the careful path takes it.
struct cLogDoubleTable {
    double inverse[256];
    double minusLogHi[256];  // a multiple of 2^-39, as e Ln2Hi: their sum is exact
    double minusLogLo[256];
};

// Out of line: LogWide inlined into the guard's filling made every logarithm save six registers.
[[gnu::noinline]] cLogDoubleTable MakeLogDoubleTable() {
    cLogDoubleTable t{};
    for (int i = 0; i < 256; ++i) {
        const double centre = 1 + (i + 0.5) / 256;
        t.inverse[i] = std::nearbyint(2048 / centre) / 2048;
        const cWide minusLog = Negate(LogWide(t.inverse[i]));
        const long double hi = std::nearbyint(minusLog.hi * 0x1p39L) * 0x1p-39L;
        t.minusLogHi[i] = static_cast<double>(hi);
        t.minusLogLo[i] = static_cast<double>((minusLog.hi - hi) + minusLog.lo);
    }
    return t;
}

[[gnu::always_inline]] inline const cLogDoubleTable& LogDoubleTable() {
    static const cLogDoubleTable table = MakeLogDoubleTable();
    return table;
}

constexpr double Ln2Hi = static_cast<double>(Ln2.hi);  // 39 bits: e Ln2Hi is exact
constexpr double Ln2Lo = static_cast<double>(Ln2.lo);
constexpr double LogDoubleError = 0x1p-66;

[[gnu::always_inline]] inline cWideDouble TwoSumDouble(double a, double b) {
    const double sum = a + b;
    const double bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// x positive, finite. Answers false when the careful path must decide.
[[gnu::always_inline]] inline bool LogDouble(double x, double& result) {
    // The table first: only x is then live across the guard's call, and no registers need saving.
    const cLogDoubleTable& table = LogDoubleTable();
    const auto bits = std::bit_cast<std::uint64_t>(x);
    if ((bits >> 52) == 0 || std::fabs(x - 1) < 1.0 / 128) return false;
    const int e = static_cast<int>(bits >> 52) - 1023;
    const auto i = static_cast<int>(bits >> 44) & 255;
    const std::uint64_t mantissaBits = (bits & 0x000FFFFFFFFFFFFFu) | 0x3FF0000000000000u;
    const double m = std::bit_cast<double>(mantissaBits);
    const double mHi = std::bit_cast<double>(mantissaBits & ~((std::uint64_t{1} << 27) - 1));  // 26 bits
    const double f = table.inverse[i];
    const cWideDouble r = TwoSumDouble(mHi * f - 1, (m - mHi) * f);  // both products and the first
                                                                     // difference exact
    const double z = r.hi;
    // Estrin's scheme, not Horner's: the chain of dependent operations is what limits a call.
    const double z2 = z * z, z4 = z2 * z2;
    const double series = (((1.0 / 3 - 0.25 * z) + z2 * (1.0 / 5 - z * (1.0 / 6))) +
                           z4 * ((1.0 / 7 - z * (1.0 / 8)) + z2 * (1.0 / 9))) *
                          (z2 * z);
    const double p = (series - z * r.lo) - 0.5 * z2;  // ln(1 + r) - r
    const double ek = e;
    const cWideDouble whole = TwoSumDouble(ek * Ln2Hi + table.minusLogHi[i], z);
    const double tail = (whole.lo + (table.minusLogLo[i] + ek * Ln2Lo)) + (r.lo + p);
    const double hi = whole.hi + tail;
    const double lo = tail - (hi - whole.hi);
    const double up = hi + (lo + LogDoubleError);
    if (up != hi + (lo - LogDoubleError)) return false;
    result = up;
    return true;
}

// sin and cos of r = a + b with a = j/16 from the tables and |b| <= 1/32: short series in b.
constexpr long double SinShortSeries[] = {1.0L / 362880, -1.0L / 5040, 1.0L / 120,
                                          -1.0L / 6};  // (sin b - b)/b^3
constexpr long double CosShortSeries[] = {-1.0L / 3628800, 1.0L / 40320, -1.0L / 720, 1.0L / 24,
                                          -1.0L / 2};  // (cos b - 1)/b^2

struct cSinCos {
    long double sin, cos;
};

[[gnu::always_inline]] inline cSinCos SinCosFast(cWide r) {
    const double steps = NearestInteger(r.hi * 16);
    const int j = static_cast<int>(steps);
    const long double b = (r.hi - steps / 16) + r.lo;
    const long double z = b * b;
    const long double sinB = b + b * z * Horner(SinShortSeries, z);
    const long double cosBMinusOne = z * Horner(CosShortSeries, z);
    const long double sinA = j < 0 ? -SinTable[-j].hi : SinTable[j].hi;
    const long double cosA = CosTable[j < 0 ? -j : j].hi;
    return {sinA + (sinA * cosBMinusOne + cosA * sinB), cosA + (cosA * cosBMinusOne - sinA * sinB)};
}
// The fast path's own reduction, for 0 <= x < 2^20: Cody and Waite's with three parts of pi/2 in
// plain extended arithmetic. k P0, k P1 and k P2 are exact (43-bit parts, k below 2^20) and so is
// x - k P0; the two later subtractions round, and the fourth part is below 2^-82 |r|. So r is within
// 2.01 2^-64 |r| of the exact value when |r| >= 2^-30, which moves sine, cosine and tangent by at most
// a few units of the 64-bit mantissa's last place, well inside SafeDistance. A smaller r (x very near
// a multiple of pi/2) or a larger x takes the exact reduction. Answers false then.
[[gnu::always_inline]] inline bool ReduceRightAnglesFast(double x, cReduced& reduced) {
    if (x <= 0.785398163397448) {
        reduced = {{x, 0}, 0};
        return true;
    }
    if (!(x < 0x1p20)) return false;
    const double steps = NearestInteger(x * TwoOverPi);
    const long double k = steps;
    const long double r = ((x - k * HalfPiParts[0]) - k * HalfPiParts[1]) - k * HalfPiParts[2];
    reduced = {{r, 0}, static_cast<unsigned>(steps) & 3};
    return std::fabs(r) >= 0x1p-30L;
}

[[gnu::always_inline]] inline long double SinOfReducedFast(const cReduced& x) {
    const cSinCos value = SinCosFast(x.r);
    const long double magnitude = x.quadrant % 2 == 0 ? value.sin : value.cos;
    return x.quadrant >= 2 ? -magnitude : magnitude;
}
[[gnu::always_inline]] inline long double CosOfReducedFast(const cReduced& x) {
    const cSinCos value = SinCosFast(x.r);
    const long double magnitude = x.quadrant % 2 == 0 ? value.cos : value.sin;
    return x.quadrant == 1 || x.quadrant == 2 ? -magnitude : magnitude;
}

[[gnu::always_inline]] inline long double TanOfReducedFast(const cReduced& x) {
    const cSinCos value = SinCosFast(x.r);
    return x.quadrant % 2 == 0 ? value.sin / value.cos : -value.cos / value.sin;
}

[[gnu::always_inline]] inline long double AtanUpToOneFast(long double u) {
    const double j = NearestInteger(u * 64);
    const long double c = j / 64;
    const long double t = (u - c) / (1 + u * c);
    const long double z = t * t;
    const cExtendedPair& base = AtanTable[static_cast<int>(j)];
    return base.hi + (base.lo + (t + t * z * Horner(AtanSeries, z)));
}
long double AtanOfRatioFast(long double numerator, long double denominator) {
    if (numerator <= denominator) return AtanUpToOneFast(numerator / denominator);
    return HalfPi.hi + (HalfPi.lo - AtanUpToOneFast(denominator / numerator));
}
long double CofactorFast(double x) {
    const cWide square = TwoProduct(x, x);
    return std::sqrt((1 - square.hi) - square.lo);
}

long double SinhFast(double a) {
    if (a < 0.5) {
        const long double z = static_cast<long double>(a) * a;
        return a + a * z * (OneSixth.hi + z * Horner(SinhSeries.values, z));
    }
    const long double e = ExpFast(a);
    return (e - 1 / e) / 2;
}
long double CoshFast(double a) {
    const long double e = ExpFast(a);
    return (e + 1 / e) / 2;
}
long double TanhFast(double a) {
    if (a < 0.5) return SinhFast(a) / CoshFast(a);
    const long double e = ExpFast(a);
    const long double inverse = 1 / e;
    return (e - inverse) / (e + inverse);
}

// Sine and cosine in double arithmetic for 0 <= x < 2^20. The reduction takes a three-part pi/2 (33,
// 33 and 53 bits: k times the first two parts is exact, and so is x less the first product), giving
// r = rHi + rLo within 2^-98. With a = j/64 near r and b = r - a (|b| < 1/128), sin r and cos r come
// from sin a and cos a in two doubles and short series in b, the leading product and sum in the
// 64-bit mantissa: quicker than their exact forms in doubles, whose chain of dependent operations
// limited a call. Before those three roundings the value carries less than 2^-65 (|table sine or
// cosine| + |b|) of error; the roundings add at most 2^-64 of |b|, of about the result and of the
// result. As |sin a| + |b| <= 3 |sin r| and cos r > 0.7, that is less than 6.5 units of the 64-bit
// result's last place for the sine (3 for the cosine), and where everything within 8 units rounds to
// the same double, that double is the nearest. Otherwise, and for |r| < 2^-30, the extended paths
// decide.
constexpr int SinCosEntries = 52;  // j/64 up to just beyond pi/4

struct cSinCosDoubleTable {
    double sinHi[SinCosEntries], sinLo[SinCosEntries], cosHi[SinCosEntries], cosLo[SinCosEntries];
    double tanHi[SinCosEntries], tanLo[SinCosEntries];
};

cSinCosDoubleTable MakeSinCosDoubleTable() {
    cSinCosDoubleTable t{};
    for (int j = 0; j < SinCosEntries; ++j) {
        const cWide a = {j / 64.0L, 0.0L};
        const cWide sine = SinKernel(a), cosine = CosKernel(a);
        t.sinHi[j] = static_cast<double>(sine.hi);
        t.sinLo[j] = static_cast<double>((sine.hi - t.sinHi[j]) + sine.lo);
        t.cosHi[j] = static_cast<double>(cosine.hi);
        t.cosLo[j] = static_cast<double>((cosine.hi - t.cosHi[j]) + cosine.lo);
        const cWide tangent = Divide(sine, cosine);
        t.tanHi[j] = static_cast<double>(tangent.hi);
        t.tanLo[j] = static_cast<double>((tangent.hi - t.tanHi[j]) + tangent.lo);
    }
    return t;
}

// Inline, so that a call pays only the test of the guard, not a call of its own: the kernels above
// inlined into the filling made this too large for the compiler to inline by itself.
[[gnu::always_inline]] inline const cSinCosDoubleTable& SinCosDoubleTable() {
    static const cSinCosDoubleTable table = MakeSinCosDoubleTable();
    return table;
}

constexpr double HalfPiHi = 0x1.921fb544p0;
constexpr double HalfPiMid = 0x1.0b4611a6p-34;
constexpr double HalfPiLo = 0x1.3198a2e037073p-69;
constexpr double TwoOverPiDouble = static_cast<double>(TwoOverPi);

// Signs without a branch: over random arguments the argument's sign and the table point's are
// coin tosses, and a mispredicted branch costs as much as a dozen of the operations around it. The
// sine and cosine keep their branches on the quadrant, which cost nothing where arguments vary slowly,
// as in a sum: there the selections' extra steps made W2 a tenth slower.
[[gnu::always_inline]] inline __m128d MaskOf(bool condition) {
    return _mm_castsi128_pd(_mm_set1_epi64x(-static_cast<long long>(condition)));
}
// -value when negate, else value.
[[gnu::always_inline]] inline double NegatedIf(bool negate, double value) {
    const __m128d signBit = _mm_and_pd(MaskOf(negate), _mm_set_sd(-0.0));
    return _mm_cvtsd_f64(_mm_xor_pd(_mm_set_sd(value), signBit));
}

// x = q pi/2 + j/64 + b + rLo, |b| < 1/128 exact and |rLo| within an ulp of j/64 + b.
struct cShortReduction {
    double b, rLo;
    int j;
    unsigned quadrant;
};

// 0 <= x; answers false when the extended paths must decide.
[[gnu::always_inline]] inline bool ReduceShort(double x, cShortReduction& reduced) {
    if (!(x < 0x1p20)) return false;
    const double shift = 0x1.8p52;
    const double steps = (x * TwoOverPiDouble + shift) - shift;
    const double head = x - steps * HalfPiHi;  // exact
    const cWideDouble first = TwoSumDouble(head, -(steps * HalfPiMid));
    const double rHi = first.hi + (first.lo - steps * HalfPiLo);
    const double rLo = (first.lo - steps * HalfPiLo) - (rHi - first.hi);
    // The table's point from first.hi, within 2^-48 of r, so that finding it does not wait for rHi.
    // rHi - j/64 is exact (Sterbenz, or for |j| = 1 both multiples of 2^-60) unless its exact value
    // lies at or beyond 2^-7, which then shows as |b| >= 2^-7.
    const double nearest = (first.hi * 64 + shift) - shift;
    const int j = static_cast<int>(nearest);
    const double b = rHi - nearest / 64;
    if (!(std::fabs(rHi) >= 0x1p-30) || (j < 0 ? -j : j) >= SinCosEntries || !(std::fabs(b) < 0x1p-7))
        return false;
    reduced = {b, rLo, j, static_cast<unsigned>(static_cast<long long>(steps)) & 3};
    return true;
}

// x = q pi/2 + a + b as the sine and cosine use it, with sin a and cos a from the table and the series
// in b.
struct cAngleParts {
    double sinA, sinALo, cosA, cosALo;
    double b, rLo, sinBMinusB, cosBMinusOne;
    unsigned quadrant;
};

[[gnu::always_inline]] inline bool SplitAngle(double x, cAngleParts& parts) {
    cShortReduction reduced;
    if (!ReduceShort(x, reduced)) return false;
    const cSinCosDoubleTable& table = SinCosDoubleTable();
    const int j = reduced.j;
    const int index = j < 0 ? -j : j;
    const double b = reduced.b, rLo = reduced.rLo;
    const double z = b * b;
    parts = {NegatedIf(j < 0, table.sinHi[index]),
             NegatedIf(j < 0, table.sinLo[index]),
             table.cosHi[index],
             table.cosLo[index],
             b,
             rLo,
             b * z * (-1.0 / 6 + z * (1.0 / 120 + z * (-1.0 / 5040 + z * (1.0 / 362880)))),
             z * (-0.5 + z * (1.0 / 24 + z * (-1.0 / 720 + z * (1.0 / 40320)))) - b * rLo,
             reduced.quadrant};
    return true;
}

// sin(a + b) = sin a + cos a b + (sin a (cos b - 1) + cos a (sin b - b) + ...), the leading sum in the
// 64-bit mantissa.
[[gnu::always_inline]] inline long double SineOfParts(const cAngleParts& p) {
    const double tail =
        (p.sinALo + p.cosALo * p.b) + (p.sinA * p.cosBMinusOne + p.cosA * (p.rLo + p.sinBMinusB));
    return (p.sinA + static_cast<long double>(p.cosA) * p.b) + tail;
}
// cos(a + b) = cos a - sin a b + (cos a (cos b - 1) - sin a (sin b - b) - ...), the same way.
[[gnu::always_inline]] inline long double CosineOfParts(const cAngleParts& p) {
    const double tail =
        (p.cosALo - p.sinALo * p.b) + (p.cosA * p.cosBMinusOne - p.sinA * (p.rLo + p.sinBMinusB));
    return (p.cosA - static_cast<long double>(p.sinA) * p.b) + tail;
}

// sin x (wantCosine false) or cos x for 0 <= x; answers false when the other paths must decide.
[[gnu::always_inline]] inline bool SinCosDouble(double x, bool wantCosine, double& result) {
    cAngleParts parts;
    if (!SplitAngle(x, parts)) return false;
    const unsigned quadrant = parts.quadrant;
    const long double value = (quadrant % 2 == 0) != wantCosine ? SineOfParts(parts) : CosineOfParts(parts);
    if (!RoundsSafelyWithin(value, 8)) return false;
    result = static_cast<double>(value);
    if (wantCosine ? (quadrant == 1 || quadrant == 2) : quadrant >= 2) result = -result;
    return true;
}

// tan x for 0 <= x from the table of tangents: with r = a + c, a = |j|/64 and c = sign(j) (b + rLo),
// tan r = sign(j) (T + t) / (1 - T t) for T = tan a and t = tan c (in the odd quadrants
// -cot r = -sign(j) (1 - T t) / (T + t)), so one quotient of two well-conditioned values: T + t is at
// least |c| and T/2 as T >= 1/64 > 2|c| when j is not 0, and 1 - T t is above 0.99. Both are formed
// in the 64-bit mantissa (quicker than double-double sums, Dekker's product and a division with its
// exact remainder): T + c is exact there, T c and 1 - T c round by at most 2^-71 and 2^-64, the last
// additions and the division by 2^-64 each; T's second double and t's series to c^9 leave below
// 2^-70 and the reduction 2^-67.3 (2^-98 over |r| >= 2^-30, times r tan'(r)/tan(r) <= pi/2). In all
// less than 4.2 2^-64 of the result, 4.2 units of its last place, and where everything within 6
// units rounds to the same double, that is the nearest. The 64-bit mantissa is the x87's precision
// on every platform the engine runs on, as the extended paths need as well. The quadrant's parity
// chooses the quotient by a branch: selecting the sums through memory was slower.
[[gnu::always_inline]] inline bool TanDouble(double x, double& result) {
    cShortReduction reduced;
    if (!ReduceShort(x, reduced)) return false;
    const cSinCosDoubleTable& table = SinCosDoubleTable();
    const bool negative = reduced.j < 0;
    const int index = negative ? -reduced.j : reduced.j;
    const double c = NegatedIf(negative, reduced.b), cLo = NegatedIf(negative, reduced.rLo);
    const double z = c * c;
    // tan c - c, its series by Estrin's scheme: the chain of dependent operations is what limits a call.
    const double z2 = z * z;
    const double tail = cLo + c * z * ((1.0 / 3 + z * (2.0 / 15)) + z2 * (17.0 / 315 + z * (62.0 / 2835)));
    const double tanA = table.tanHi[index], tanALo = table.tanLo[index];
    const long double plus = (static_cast<long double>(tanA) + c) + (tanALo + tail);  // the first sum exact
    const long double minus = (1.0L - static_cast<long double>(tanA) * c) - (tanA * tail + tanALo * c);
    const bool odd = reduced.quadrant % 2 == 1;
    const long double quotient = odd ? minus / plus : plus / minus;
    if (!RoundsSafelyWithin(quotient, 6)) return false;
    result = NegatedIf(odd != negative, static_cast<double>(quotient));
    return true;
}

// The fast value when it decides the double, otherwise the wide one.
template <typename tWide>
double Decide(long double fast, tWide wide) {
    return RoundsSafely(fast) ? static_cast<double>(fast) : RoundToDouble(wide());
}

double WithSignOf(double x, double magnitude) {
    return x < 0 ? -magnitude : magnitude;
}

}  // namespace

double Exp(double x) {
    if (double value; ExpDouble(x, value)) return value;
    return careful::Exp(x);
}

namespace careful {

// Out of line, as the trigonometric functions' later paths below, for the same reason.
[[gnu::noinline]] double Exp(double x) {
    if (std::isnan(x)) return x;
    if (x > 709.8) return std::numeric_limits<double>::infinity();
    if (x < -745.2) return 0.0;
    return Decide(ExpFast(x), [x] { return ExpWide(x); });
}

}  // namespace careful

double Log(double x) {
    if (std::isnan(x)) return x;
    if (double value; LogDouble(x, value)) return value;
    return careful::Log(x);
}

namespace careful {

// Out of line, as the trigonometric functions' later paths below, for the same reason.
[[gnu::noinline]] double Log(double x) {
    if (std::isnan(x)) return x;
    return Decide(LogFast(x), [x] { return LogWide(x); });
}

}  // namespace careful

namespace {

// The paths after the double ones, out of line: inlined, their registers were saved and restored in
// every call, also in the nine in ten the double path decides.
[[gnu::noinline]] double SinAfterDouble(double x) {
    if (cReduced quick; ReduceRightAnglesFast(std::fabs(x), quick)) {
        const long double fast = SinOfReducedFast(quick);
        if (RoundsSafely(fast)) return WithSignOf(x, static_cast<double>(fast));
    }
    return careful::Sin(x);
}
[[gnu::noinline]] double CosAfterDouble(double x) {
    if (cReduced quick; ReduceRightAnglesFast(std::fabs(x), quick)) {
        const long double fast = CosOfReducedFast(quick);
        if (RoundsSafely(fast)) return static_cast<double>(fast);
    }
    return careful::Cos(x);
}
[[gnu::noinline]] double TanAfterDouble(double x) {
    if (cReduced quick; ReduceRightAnglesFast(std::fabs(x), quick)) {
        const long double fast = TanOfReducedFast(quick);
        if (RoundsSafely(fast)) return WithSignOf(x, static_cast<double>(fast));
    }
    return careful::Tan(x);
}

}  // namespace

double Sin(double x) {
    if (x == 0 || std::isnan(x)) return x;
    if (double value; SinCosDouble(std::fabs(x), false, value)) return NegatedIf(x < 0, value);
    return SinAfterDouble(x);
}

double Cos(double x) {
    if (std::isnan(x)) return x;
    if (double value; SinCosDouble(std::fabs(x), true, value)) return value;
    return CosAfterDouble(x);
}

double Tan(double x) {
    if (x == 0 || std::isnan(x)) return x;
    if (double value; TanDouble(std::fabs(x), value)) return NegatedIf(x < 0, value);
    return TanAfterDouble(x);
}

namespace careful {

double Sin(double x) {
    if (x == 0 || std::isnan(x)) return x;
    const cReduced reduced = ReduceRightAngles(std::fabs(x));
    return WithSignOf(x, Decide(SinOfReducedFast(reduced), [&] { return SinOfReduced(reduced); }));
}

double Cos(double x) {
    if (std::isnan(x)) return x;
    const cReduced reduced = ReduceRightAngles(std::fabs(x));
    return Decide(CosOfReducedFast(reduced), [&] { return CosOfReduced(reduced); });
}

double Tan(double x) {
    if (x == 0 || std::isnan(x)) return x;
    const cReduced reduced = ReduceRightAngles(std::fabs(x));
    return WithSignOf(x, Decide(TanOfReducedFast(reduced), [&] {
                          const cWide sinWide = SinKernel(reduced.r), cosWide = CosKernel(reduced.r);
                          return reduced.quadrant % 2 == 0 ? Divide(sinWide, cosWide)
                                                           : Negate(Divide(cosWide, sinWide));
                      }));
}

}  // namespace careful

double Asin(double x) {
    if (x == 0 || std::isnan(x)) return x;
    const double a = std::fabs(x);
    return WithSignOf(x, Decide(AtanOfRatioFast(a, CofactorFast(a)), [a] {
                          return AtanOfRatio({a, 0}, Cofactor(a));
                      }));
}

double Acos(double x) {
    if (std::isnan(x)) return x;
    const double a = std::fabs(x);
    const long double angle = AtanOfRatioFast(CofactorFast(a), a);
    return Decide(x < 0 ? Pi.hi + (Pi.lo - angle) : angle, [x, a] {
        const cWide wide = AtanOfRatio(Cofactor(a), {a, 0});
        return x < 0 ? Add(Wide(Pi), Negate(wide)) : wide;
    });
}

double Atan(double x) {
    if (x == 0 || std::isnan(x)) return x;
    const double a = std::fabs(x);
    if (std::isinf(a)) return WithSignOf(x, RoundToDouble(Wide(HalfPi)));
    return WithSignOf(x, Decide(AtanOfRatioFast(a, 1), [a] { return AtanOfRatio({a, 0}, {1.0L, 0.0L}); }));
}

double Sinh(double x) {
    if (x == 0 || std::isnan(x)) return x;
    const double a = std::fabs(x);
    if (a > HyperbolicOverflow) return WithSignOf(x, std::numeric_limits<double>::infinity());
    return WithSignOf(x, Decide(SinhFast(a), [a] { return SinhWide(a); }));
}

double Cosh(double x) {
    if (std::isnan(x)) return x;
    const double a = std::fabs(x);
    if (a > HyperbolicOverflow) return std::numeric_limits<double>::infinity();
    return Decide(CoshFast(a), [a] { return CoshWide(a); });
}

double Tanh(double x) {
    if (x == 0 || std::isnan(x)) return x;
    const double a = std::fabs(x);
    if (a > 40) return WithSignOf(x, 1.0);  // 1 - tanh a < 2e-34: the nearest double is 1
    return WithSignOf(x, Decide(TanhFast(a), [a] { return TanhWide(a); }));
}

// Beyond these bounds e^x is not a 64-bit-mantissa number (below: not a normal one, which as the
// power operator's result is 0 anyway).
long double ExpExtended(long double x) {
    if (std::isnan(x)) return x;
    if (x > 11357) return std::numeric_limits<long double>::infinity();
    if (x < -11355) return 0.0L;
    const cScaledWide e = ExpCore(x);
    return e.value.hi * PowerOfTwo(e.exponent);
}

long double LogExtended(double x) {
    return LogWide(x).hi;
}

}  // namespace elementary
