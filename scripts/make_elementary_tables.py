#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes engine/src/evaluation/elementary_tables.h: the constants of the engine's own elementary
functions, each as the nearest 64-bit-mantissa value (hi) and the nearest one to what remains (lo).
Needs mpmath. Run: python3 scripts/make_elementary_tables.py > engine/src/evaluation/elementary_tables.h
    && clang-format -i engine/src/evaluation/elementary_tables.h"""
from mpmath import mp, mpf, ln, pi, atan, floor, log
from mpmath import sin as mpmath_sin, cos as mpmath_cos

mp.prec = 400


def extended(v, bits=64):
    """The value with `bits` significant bits nearest v, and its literal."""
    if v == 0:
        return mpf(0), "0.0L"
    e = int(floor(log(abs(v), 2)))
    m = int(mp.nint(abs(v) * mpf(2) ** (bits - 1 - e)))
    if m >= 2 ** bits:
        m //= 2
        e += 1
    value = mpf(m) * mpf(2) ** (e - bits + 1)
    sign = "-" if v < 0 else ""
    m <<= 64 - bits
    return (value if v > 0 else -value), "%s0x%016xp%+dL" % (sign, m, e - 63)


def pair(v, hibits=64):
    hi, hitext = extended(v, hibits)
    lo, lotext = extended(v - hi)
    return "{%s, %s}" % (hitext, lotext)


def table(name, values, comment):
    print("// " + comment)
    print("constexpr cExtendedPair %s[%d] = {" % (name, len(values)))
    for v in values:
        print("    %s," % pair(v))
    print("};")
    print()


print("// The constants of the engine's own elementary functions, written by")
print("// scripts/make_elementary_tables.py: each value as hi + lo, hi the nearest 64-bit-mantissa value and")
print("// lo the nearest to the rest.")
print("#pragma once")
print()
print("#include <cstdint>")
print()
print("struct cExtendedPair {")
print("    long double hi, lo;")
print("};")
print()
ln2 = ln(2)
print("// ln 2 with a 40-bit hi, so that hi times any binary exponent of a long double is exact.")
print("constexpr cExtendedPair Ln2 = %s;" % pair(ln2, 40))
print("// ln 2 / 64 in three parts, the first two of 40 bits: k times each is exact for |k| < 2^24.")
part1, t1 = extended(ln2 / 64, 40)
part2, t2 = extended(ln2 / 64 - part1, 40)
part3, t3 = extended(ln2 / 64 - part1 - part2)
print("constexpr long double Ln2By64Parts[3] = {%s, %s, %s};" % (t1, t2, t3))
print("constexpr long double SixtyFourByLn2 = %s;" % extended(64 / ln2)[1])
print("constexpr cExtendedPair HalfPi = %s;" % pair(pi / 2))
print("// pi/2 in four parts, the first three of 43 bits: k times each is exact for |k| < 2^21.")
rest, parts = pi / 2, []
for bits in (43, 43, 43, 64):
    value, text = extended(rest, bits)
    parts.append(text)
    rest -= value
print("constexpr long double HalfPiParts[4] = {%s};" % ", ".join(parts))
print("constexpr cExtendedPair Pi = %s;" % pair(pi))
print("constexpr cExtendedPair OneSixth = %s;" % pair(mpf(1) / 6))
print()
bits = int(mp.nint(floor(2 / pi * mpf(2) ** 256)))
words = [(bits >> (64 * (3 - i))) & (2 ** 64 - 1) for i in range(4)]
print("// 2/pi to 256 bits after the point, most significant word first.")
print("constexpr std::uint64_t TwoOverPiBits[4] = {%s};" % ", ".join("0x%016xu" % w for w in words))
print()
table("ExpTable", [mpf(2) ** (mpf(j) / 64) for j in range(64)], "2^(j/64), j = 0 to 63.")
table("LogTable", [ln(1 + (mpf(j) + mpf(1) / 2) / 128) for j in range(128)],
      "ln(c) at the centres c = 1 + (j + 1/2)/128 of the intervals the mantissa is reduced to.")
table("SinTable", [mpmath_sin(mpf(j) / 16) for j in range(14)], "sin(j/16), j = 0 to 13.")
table("CosTable", [mpmath_cos(mpf(j) / 16) for j in range(14)], "cos(j/16), j = 0 to 13.")
table("AtanTable", [atan(mpf(j) / 64) for j in range(65)], "arctan(j/64), j = 0 to 64.")
