// SPDX-License-Identifier: GPL-3.0-or-later
// Counting the math library's reports within one calculation.
#include "common/math_reports.h"

#include <gtest/gtest.h>

namespace {

TEST(MathReportCounterTest, ShowsTheFirstOfEachKindAndSumsUpTheRepeats) {
    cMathReportCounter counter;
    EXPECT_EQ(counter.Count("sqrt", "DOMAIN"), "sqrt: DOMAIN error");
    EXPECT_EQ(counter.Count("log", "SING"), "log: SING error");
    for (int i = 1; i < 1000; ++i)
        EXPECT_EQ(counter.Count("sqrt", "DOMAIN"), "");
    EXPECT_EQ(counter.Count("sqrt", "SING"), "sqrt: SING error");
    EXPECT_EQ(counter.Count("log", "SING"), "");
    EXPECT_EQ(counter.Summary(), "sqrt: DOMAIN error, 1000 times\nlog: SING error, 2 times");

    counter.Reset();
    EXPECT_EQ(counter.Summary(), "");
    EXPECT_EQ(counter.Count("sqrt", "DOMAIN"), "sqrt: DOMAIN error");
    EXPECT_EQ(counter.Summary(), "");
}

}  // namespace
