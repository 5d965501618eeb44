// SPDX-License-Identifier: GPL-3.0-or-later
// orvane --plot ... --export FILE: draws the formulas into a picture without any window, for scripts
// and the documentation's pictures. Works on the offscreen platform.
#pragma once

#include "command_line.h"

// Answers the program's exit status: 0 when the picture was written, 1 when a formula cannot be
// plotted or the file cannot be written (said on standard error). Math-library reports are counted
// and said once each on standard error.
int RunHeadlessPlot(const cPlotRequest& request);

inline constexpr int HeadlessPlotWidth = 800;
inline constexpr int HeadlessPlotHeight = 500;
