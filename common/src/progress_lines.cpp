// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/progress_lines.h"

#include <string>

namespace {

// done * 100 / total rounded down, without wrap-around; 0 when total is 0.
std::uint32_t Percent(std::uint32_t total, std::uint32_t done) {
    if (total == 0) return 0;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(done) * 100u / total);
}

const char* const ActivityNames[] = {"idle", "calculating", "saving to file", "loading from file",
                                     "interpreting"};

}  // namespace

void cProgressLines::Reset() {
    for (cLine& line : lines_)
        line = cLine{};
}

std::string cProgressLines::LineText(int line) const {
    const cLine& entry = lines_[line];
    std::string text = ActivityName(entry.activity);
    if (entry.activity != 0) {
        text += " (" + std::to_string(entry.done) + "/" + std::to_string(entry.total) + ")";
    }
    return text;
}

std::string TerminalProgressText(std::uint16_t line, std::uint32_t activity, std::uint32_t total,
                                 std::uint32_t done) {
    std::string text =
        std::string(ActivityName(activity)) + ": " + std::to_string(Percent(total, done)) + "%";
    if (line > 0) text += " (nested " + std::to_string(line + 1) + " deep)";
    return text;
}

std::uint32_t cProgressLines::LinePercent(int line) const {
    return Percent(lines_[line].total, lines_[line].done);
}

const char* ActivityName(std::uint32_t activity) {
    return activity < std::size(ActivityNames) ? ActivityNames[activity] : "";
}
