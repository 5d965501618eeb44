// SPDX-License-Identifier: GPL-3.0-or-later
// The y range a plot shows when the user has not fixed one: the bulk of the values, so that a pole's
// huge values do not squash the rest of the curve into a line.
#pragma once

#include <vector>

struct cRange {
    double low;
    double high;
};

// The values between the 2nd and the 98th percentile, reaching out to the smallest and largest value
// when these lie within half that span of it, widened by a twentieth on each side. Values that are
// not finite are left out; with none left the range is -1 to 1, and a single value v gets v-1 to v+1.
cRange AutomaticYRange(std::vector<double> values);
