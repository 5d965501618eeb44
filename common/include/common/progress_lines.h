// SPDX-License-Identifier: GPL-3.0-or-later
// The four progress lines a progress display shows, kept as the raw counts of the last report on each
// line. The engine reports after every node, so storing must stay a few stores; the line texts and
// percentages are only formed when the display is redrawn, at most once a second.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

class cProgressLines {
public:
    static constexpr int LineCount = 4;

    // Keeps the report of a line 0 to 3; answers false for higher lines, which are not shown.
    bool Store(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
        if (line >= LineCount) return false;
        lines_[line] = {activity, total, done};
        return true;
    }
    // Every line back to "idle" with an empty bar.
    void Reset();

    // "calculating (17/250)", or just the activity's name for activity 0 ("idle").
    std::string LineText(int line) const;
    // done * 100 / total rounded down, without wrap-around; 0 when total is 0. Above 100 when the work
    // done exceeds its estimate.
    std::uint32_t LinePercent(int line) const;

private:
    struct cLine {
        std::uint32_t activity = 0;
        std::uint32_t total = 0;
        std::uint32_t done = 0;
    };
    cLine lines_[LineCount];
};

// One report as a terminal shows it: "calculating: 12%", and for work nested in other work
// "calculating: 40% (nested 2 deep)". Only the share is shown: the counts are steps of the evaluator,
// which a user never sees (a sum to 300,000,000 counts 300,000,004).
std::string TerminalProgressText(std::uint16_t line, std::uint32_t activity, std::uint32_t total,
                                 std::uint32_t done);

// The name of a progress activity, empty for an unknown one.
const char* ActivityName(std::uint32_t activity);

// Wall-clock time in whole seconds, cheap enough to read on every report.
inline std::time_t WallClockSecond() {
    return std::time(nullptr);
}
