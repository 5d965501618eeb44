// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/progress_lines.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressLines, TheTerminalShowsTheShareDone) {
    EXPECT_EQ(TerminalProgressText(0, 1, 300000004, 36000000), "calculating: 11%");
    EXPECT_EQ(TerminalProgressText(1, 1, 10, 4), "calculating: 40% (nested 2 deep)");
    EXPECT_EQ(TerminalProgressText(0, 3, 0, 0), "loading from file: 0%");
}

TEST(ProgressLines, TextsAndPercentagesFollowTheLastReport) {
    cProgressLines lines;
    EXPECT_EQ(lines.LineText(0), "idle");
    EXPECT_TRUE(lines.Store(0, 1, 250, 17));
    EXPECT_EQ(lines.LineText(0), "calculating (17/250)");
    EXPECT_EQ(lines.LinePercent(0), 6u);
    EXPECT_TRUE(lines.Store(2, 4, 3, 3));
    EXPECT_EQ(lines.LineText(2), "interpreting (3/3)");
    EXPECT_EQ(lines.LinePercent(2), 100u);
    EXPECT_TRUE(lines.Store(1, 0, 10, 5));
    EXPECT_EQ(lines.LineText(1), "idle");
    EXPECT_EQ(lines.LinePercent(1), 50u);
    EXPECT_TRUE(lines.Store(3, 9, 0, 7));
    EXPECT_EQ(lines.LineText(3), " (7/0)");
    EXPECT_EQ(lines.LinePercent(3), 0u);
    EXPECT_FALSE(lines.Store(4, 1, 10, 5));

    lines.Store(0, 1, 200000000, 100000000);
    EXPECT_EQ(lines.LinePercent(0), 50u);
    lines.Store(0, 1, 4000000000u, 4000000000u);
    EXPECT_EQ(lines.LinePercent(0), 100u);
    lines.Store(0, 1, 120, 123);
    EXPECT_EQ(lines.LinePercent(0), 102u);

    lines.Reset();
    for (int i = 0; i < cProgressLines::LineCount; ++i) {
        EXPECT_EQ(lines.LineText(i), "idle");
        EXPECT_EQ(lines.LinePercent(i), 0u);
    }
}

}  // namespace
