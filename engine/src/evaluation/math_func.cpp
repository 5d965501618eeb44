// SPDX-License-Identifier: GPL-3.0-or-later
// Degree and grad versions of the trigonometric functions. The conversion factors are extended-
// precision reciprocals and the products are formed in that precision, so that sin(90) in degrees is
// exactly 1 and arctan(1) exactly 45.
#include "engine/Math_func.h"

#include "checked_arithmetic.h"
#include "checked_math.h"

namespace {

constexpr double PiDouble = 3.141592653589793;  // bits 400921FB54442D18
constexpr long double OneOver180 = 1.0L / 180.0L;
constexpr long double OneOver200 = 1.0L / 200.0L;
// The reciprocal of the double pi, which is not the extended value nearest to 1/pi.
constexpr long double OneOverPiDouble = 1.0L / static_cast<long double>(PiDouble);

double DegreesToRadians(double x) {
    return static_cast<double>(x * static_cast<long double>(PiDouble) * OneOver180);
}
double GradsToRadians(double x) {
    return static_cast<double>(x * static_cast<long double>(PiDouble) * OneOver200);
}
double RadiansToDegrees(double r) {
    return static_cast<double>(r * 180.0L * OneOverPiDouble);
}
double RadiansToGrads(double r) {
    return static_cast<double>(r * 200.0L * OneOverPiDouble);
}

}  // namespace

double Pi() {
    return PiDouble;
}
double E() {
    return CheckedExp(1.0);
}

double SinDeg(double x) {
    return CheckedSin(DegreesToRadians(x));
}
double CosDeg(double x) {
    return CheckedCos(DegreesToRadians(x));
}
double TanDeg(double x) {
    return CheckedTan(DegreesToRadians(x));
}
double SinGra(double x) {
    return CheckedSin(GradsToRadians(x));
}
double CosGra(double x) {
    return CheckedCos(GradsToRadians(x));
}
double TanGra(double x) {
    return CheckedTan(GradsToRadians(x));
}
double ArcSinDeg(double x) {
    return RadiansToDegrees(CheckedAsin(x));
}
double ArcCosDeg(double x) {
    return RadiansToDegrees(CheckedAcos(x));
}
double ArcTanDeg(double x) {
    return RadiansToDegrees(CheckedAtan(x));
}
double ArcSinGra(double x) {
    return RadiansToGrads(CheckedAsin(x));
}
double ArcCosGra(double x) {
    return RadiansToGrads(CheckedAcos(x));
}
double ArcTanGra(double x) {
    return RadiansToGrads(CheckedAtan(x));
}
