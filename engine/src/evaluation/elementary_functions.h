// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's own elementary functions. Platform maths libraries differ in the last digits (and
// some, with the x87 instructions' own pi, in the fifth), so the engine computes every value itself:
// arguments reduced exactly, kernels evaluated with about 120 bits, and each result rounded once to
// double (or to the 64-bit mantissa), so that it is the correctly rounded value in practice and the
// same on every platform. Edge cases and error reports belong to the callers (checked_math.cpp).
#pragma once

namespace elementary {

double Exp(double x);
double Log(double x);   // x > 0
double Sin(double x);   // |x| < 2^53
double Cos(double x);   // |x| < 2^53
double Tan(double x);   // |x| < 2^53
double Asin(double x);  // |x| <= 1
double Acos(double x);  // |x| <= 1
double Atan(double x);
double Sinh(double x);
double Cosh(double x);
double Tanh(double x);

// The exponential, logarithm, sine, cosine and tangent without their fastest paths (exponential and
// logarithm in doubles, the short reduction): the functions above give these bits; tests compare them.
namespace careful {
double Exp(double x);
double Log(double x);
double Sin(double x);
double Cos(double x);
double Tan(double x);
}  // namespace careful

// For the power operator, which works with the 64-bit mantissa.
long double ExpExtended(long double x);
long double LogExtended(double x);  // x > 0

}  // namespace elementary
