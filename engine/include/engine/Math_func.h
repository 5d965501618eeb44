// SPDX-License-Identifier: GPL-3.0-or-later
// The constants and the angle-mode wrappers bound to the built-in function table.
#pragma once

double Pi();
double E();

double SinDeg(double x);
double CosDeg(double x);
double TanDeg(double x);
double SinGra(double x);
double CosGra(double x);
double TanGra(double x);
double ArcSinDeg(double x);
double ArcCosDeg(double x);
double ArcTanDeg(double x);
double ArcSinGra(double x);
double ArcCosGra(double x);
double ArcTanGra(double x);
