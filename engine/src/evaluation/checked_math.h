// SPDX-License-Identifier: GPL-3.0-or-later
// The math library as the calculator uses it: each function gives the documented value at its edges
// and reports domain, singularity and overflow errors through MathErrorHook ("sqrt", "DOMAIN"), after
// which the calculation goes on with the returned value.
#pragma once

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
