// SPDX-License-Identifier: GPL-3.0-or-later
// The formulas calculated before, kept between runs in a small text file, one formula a line.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

class cFormulaHistory {
public:
    static constexpr std::size_t MaxEntries = 1000;

    // Reads the file; a missing or unreadable one gives an empty history. An empty path keeps the
    // history in memory only.
    explicit cFormulaHistory(std::filesystem::path file);

    // Makes the formula the newest entry and writes the file. An immediate repeat is kept once, an empty
    // formula not at all; the oldest entries go beyond MaxEntries. Line breaks become blanks, which a
    // formula ignores. False when the file could not be written; the history in memory is kept anyway.
    bool Add(std::string formula);

    // Oldest first.
    const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::filesystem::path file_;
    std::vector<std::string> entries_;
};
