#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes tests/engine/data/reference_results.tsv: what each built-in (and the power operator) must show,
computed with mpmath, not with the engine, for the arguments of builtin_results.tsv and for fresh random
ones. Each value is the exact result rounded once to double, as a correctly rounded maths library gives
it; the angle conversions and the power operator's own steps are modelled product by product in the
64-bit-mantissa format, each rounding where the program rounds. Texts follow the result-text rule: 15
significant digits, half-up on the exact decimal value. Needs mpmath (python3-mpmath); the table is
committed, so the tests do not. Run from the repository's top folder:
    python3 scripts/make_reference_results.py > tests/engine/data/reference_results.tsv"""
import math
import random
import sys
from decimal import ROUND_HALF_UP, Context, Decimal

from mpmath import mp, mpf

mp.prec = 256  # ~77 digits: far more than rounding to 53 bits after any cancellation here needs

INF = math.inf
NAN = math.nan
PI_DOUBLE = 3.141592653589793
SEED = 20261210
FRESH_PER_FUNCTION = 1500


# ---------------------------------------------------------------------------------------------------
# Binary formats: round to nearest, ties to even, with the format's subnormal step and overflow.

def round_binary(v, bits, min_step, max_power):
    """v rounded to `bits` significant bits, no step below 2^min_step, infinite from 2^max_power."""
    sign, man, exp, bc = v._mpf_
    if not man:
        return v
    if exp + bc > max_power + 1:
        return mpf(-INF if sign else INF)
    if exp + bc < min_step:  # below half the smallest step
        return mpf(0)
    step = max(exp + bc - bits, min_step)
    if exp < step:
        shift = step - exp
        kept = man >> shift
        rest = man - (kept << shift)
        half = 1 << (shift - 1)
        if rest > half or (rest == half and kept & 1):
            kept += 1
        man, exp = kept, step
    if man and man.bit_length() + exp > max_power:
        return mpf(-INF if sign else INF)
    return mp.ldexp(mpf(-man if sign else man), exp)


def extended(v):
    return round_binary(v, 64, -16445, 16384)


def double(v):
    if mp.isinf(v) or mp.isnan(v):
        return float(v)
    return float(round_binary(v, 53, -1074, 1024))


C180 = extended(mpf(1) / 180)
C200 = extended(mpf(1) / 200)
C_PI = extended(1 / mpf(PI_DOUBLE))


# ---------------------------------------------------------------------------------------------------
# The result-text rule.

def result_text(v):
    sign = "-" if math.copysign(1, v) < 0 else ""
    if math.isnan(v):
        return sign + "NAN"
    if math.isinf(v):
        return sign + "INF"
    if v == 0:
        return "0"
    rounded = Context(prec=15, rounding=ROUND_HALF_UP).plus(Decimal(abs(v))).normalize()
    _, digit_tuple, power = rounded.as_tuple()
    digits = "".join(map(str, digit_tuple))
    n, e = len(digits), len(digits) + power  # the value is 0.digits times 10^e
    if e > 15 or e < -3:
        text = digits[0] + ("." + digits[1:] if n > 1 else "") + "E" + str(e - 1)
    elif e <= 0:
        text = "0." + "0" * -e + digits
    elif n <= e:
        text = digits + "0" * (e - n)
    else:
        text = digits[:e] + "." + digits[e:]
    return sign + text


# ---------------------------------------------------------------------------------------------------
# The built-ins: (value, reports) from a double argument.

def library(name, x):
    """The maths library's function at a finite double, rounded once to double."""
    return double(getattr(mp, name)(mpf(x)))


def periodic(name, radians):
    if not abs(radians) < 2.0 ** 53:  # also infinite and NaN arguments
        return NAN, ""
    return library(name, radians), ""


def inverse(name, x):
    if not abs(x) <= 1:
        return NAN, name + ": DOMAIN error"
    return library(name, x), ""


def checked_overflow(name, value):
    return value, (name + ": OVERFLOW error" if math.isinf(value) else "")


def ln(x):
    if math.isnan(x):
        return x, ""
    if x == 0:
        return -INF, "log: SING error"
    if x < 0:
        return NAN, "log: DOMAIN error"
    if math.isinf(x):
        return INF, "log: OVERFLOW error"
    return library("log", x), ""


def exp(x):
    if math.isnan(x):
        return x, ""
    if math.isinf(x):
        return checked_overflow("exp", 0.0 if x < 0 else INF)
    return checked_overflow("exp", library("exp", x))


def sqrt(x):
    if x < 0:
        return NAN, "sqrt: DOMAIN error"
    if math.isnan(x) or math.isinf(x) or x == 0:
        return x, ""
    return library("sqrt", x), ""


def hyperbolic(name):
    def function(x):
        if math.isnan(x) or (math.isinf(x) and name == "tanh"):
            return (x if math.isnan(x) else math.copysign(1, x)), ""
        if math.isinf(x):
            return checked_overflow(name, abs(x) if name == "cosh" else x)
        return checked_overflow(name, library(name, x))

    return function


def to_radians(x, factor):
    """(x × pi) × factor in the 64-bit-mantissa format, rounded to double."""
    if math.isnan(x) or math.isinf(x):
        return x
    return double(extended(extended(mpf(x) * PI_DOUBLE) * factor))


def from_radians(r, units):
    """(r × units) × 1/pi in the 64-bit-mantissa format, rounded to double."""
    if math.isnan(r):
        return r
    return double(extended(extended(mpf(r) * units) * C_PI))


def arctan(x):
    if math.isnan(x):
        return x, ""
    if math.isinf(x):
        return math.copysign(double(mp.pi / 2), x), ""
    return library("atan", x), ""


def trig_table(mode):
    """The six trigonometric built-ins of an angle mode: rad, deg or gra."""
    factor = {"deg": C180, "gra": C200}.get(mode)
    units = {"deg": 180, "gra": 200}.get(mode)

    def periodic_in_mode(lib):
        return lambda x: periodic(lib, x if factor is None else to_radians(x, factor))

    def inverse_in_mode(function):
        def in_mode(x):
            value, reports = function(x)
            return (value if units is None else from_radians(value, units)), reports

        return in_mode

    return {"sin": periodic_in_mode("sin"), "cos": periodic_in_mode("cos"), "tan": periodic_in_mode("tan"),
            "arcsin": inverse_in_mode(lambda x: inverse("asin", x)),
            "arccos": inverse_in_mode(lambda x: inverse("acos", x)), "arctan": inverse_in_mode(arctan)}


def pow_(x, y):
    """The power operator x^y, its cases in the program's order."""
    if x == 0:
        if y > 0:
            return 0.0, ""
        if y == 0:
            return 1.0, "pow: DOMAIN error"
        if y < 0:
            return INF, "pow: DOMAIN error"
    if math.isinf(x) or math.isnan(x):
        if y >= 0:
            return INF, "pow: OVERFLOW error"
        if y < 0:
            return 0.0, ""
    if y == 0 or abs(y) < 2.2250738585072014e-308:
        return 1.0, ""
    if math.isinf(y) or math.isnan(y):
        return INF, "pow: OVERFLOW error"
    integer = y == math.trunc(y)
    if x < 0 and not integer:
        return NAN, "pow: DOMAIN error"
    negative = x < 0 and integer and math.fmod(y, 2) != 0
    magnitude = mpf(abs(x))
    if integer and abs(y) < 4096:  # repeated squaring, each product rounded to 64 bits
        remaining, result, base = int(abs(y)), mpf(1), magnitude
        while remaining:
            if remaining & 1:
                result = extended(result * base)
            base = extended(base * base)
            remaining >>= 1
        power = result if y > 0 else mpf(INF) if result == 0 else extended(1 / result)
    else:  # e^(y × ln|x|), each step rounded to 64 bits
        exponent = extended(mpf(y) * extended(mp.log(magnitude)))
        power = mpf(INF) if exponent > 11357 else mpf(0) if exponent < -11355 else extended(mp.exp(exponent))
    value = double(-power if negative else power)
    return value, ("pow: OVERFLOW error" if math.isinf(value) else "")


FUNCTIONS = {"ln": ln, "exp": exp, "sqrt": sqrt, "sinh": hyperbolic("sinh"), "cosh": hyperbolic("cosh"),
             "tanh": hyperbolic("tanh")}


def expected(mode, function, x, y):
    if function == "pow":
        return pow_(x, y)
    if function == "pi":
        return PI_DOUBLE, ""
    if function == "e":
        return library("exp", 1.0), ""
    if function in FUNCTIONS:
        return FUNCTIONS[function](x)
    return trig_table(mode)[function](x)


# ---------------------------------------------------------------------------------------------------
# Arguments: those of builtin_results.tsv, then fresh ones.

def recorded_arguments(path):
    with open(path) as table:
        for line in table:
            if line.strip() and not line.startswith("#"):
                mode, function, x, y = line.split("\t")[:4]
                yield mode, function, float(x), float(y)


def fresh_arguments(rng):
    def uniform(low, high):
        return rng.uniform(low, high)

    def spread(low_power, high_power, any_sign=True):
        v = math.ldexp(uniform(1, 2), rng.randrange(low_power, high_power))
        return -v if any_sign and rng.random() < 0.5 else v

    def near(v):  # a few units in the last place from v
        for _ in range(rng.randrange(0, 4)):
            v = math.nextafter(v, rng.choice((-INF, INF)))
        return v

    def trig(right_angle, limit):
        return rng.choice((
            lambda: uniform(-4 * right_angle, 4 * right_angle),
            lambda: spread(-30, 20),
            lambda: spread(20, limit),
            lambda: near(rng.randrange(-2000, 2001) * right_angle),
            lambda: rng.randrange(-2000, 2001) * right_angle + uniform(-1e-6, 1e-6),
            lambda: rng.randrange(-720, 721) * right_angle / rng.choice((2, 3, 6, 9, 10)),
            lambda: float(rng.randrange(-1000000, 1000001)),
        ))()

    modes = (("rad", PI_DOUBLE / 2, 53), ("deg", 90.0, 58), ("gra", 100.0, 59))
    for mode, right_angle, limit in modes:
        for function in ("sin", "cos", "tan"):
            for _ in range(FRESH_PER_FUNCTION):
                yield mode, function, trig(right_angle, limit), 0.0
        for function in ("arcsin", "arccos", "arctan"):
            for _ in range(FRESH_PER_FUNCTION):
                yield mode, function, rng.choice((
                    lambda: uniform(-1, 1),
                    lambda: spread(-60, 0),
                    lambda: math.copysign(1 - math.ldexp(uniform(0, 1), -rng.randrange(1, 50)), uniform(-1, 1)),
                    lambda: spread(0, 80) if function == "arctan" else uniform(-1, 1),
                ))(), 0.0
    spreads = {
        "ln": lambda: rng.choice((lambda: spread(-1074, 1024, False), lambda: uniform(0, 1e6),
                                   lambda: 1 + spread(-60, -1)))(),
        "sqrt": lambda: rng.choice((lambda: spread(-1074, 1024, False), lambda: uniform(0, 1e6),
                                     lambda: float(rng.randrange(1, 1 << 40))))(),
        "exp": lambda: rng.choice((lambda: uniform(-746, 710), lambda: spread(-60, 5)))(),
        "sinh": lambda: rng.choice((lambda: uniform(-711, 711), lambda: spread(-60, 5)))(),
        "cosh": lambda: rng.choice((lambda: uniform(-711, 711), lambda: spread(-60, 5)))(),
        "tanh": lambda: rng.choice((lambda: uniform(-25, 25), lambda: spread(-60, 5)))(),
    }
    for function, argument in spreads.items():
        for _ in range(FRESH_PER_FUNCTION):
            yield "rad", function, argument(), 0.0
    for _ in range(FRESH_PER_FUNCTION):
        yield "rad", "pow", *rng.choice((
            lambda: (spread(-60, 60, False), uniform(-40, 40)),
            lambda: (uniform(-100, 100), float(rng.randrange(-300, 301))),
            lambda: (spread(-1074, 1024, False), uniform(-2, 2)),
            lambda: (1 + spread(-40, -1), spread(0, 50)),
            lambda: (uniform(0, 3), spread(-20, 12)),
            lambda: (uniform(-2, 2), float(rng.randrange(-4095, 4096))),
        ))()


def number(v):
    return repr(v) if not math.isnan(v) else "nan"


def main():
    rows = list(recorded_arguments("tests/engine/data/builtin_results.tsv"))
    rows += list(fresh_arguments(random.Random(SEED)))
    out = sys.stdout
    out.write("# Written by scripts/make_reference_results.py from mpmath, not from the engine.\n")
    out.write("# mode\tfunction\tx\ty\tresult text\treports\n")
    for mode, function, x, y in rows:
        value, reports = expected(mode, function, x, y)
        out.write("%s\t%s\t%s\t%s\t%s\t%s\n" % (mode, function, number(x), number(y), result_text(value), reports))


if __name__ == "__main__":
    main()
