// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a history file as formulas. Two formats are read: plain lines, one formula each (the
// programs' own, and the desktop program's older file), and libedit's (orvane-cli's older file: a
// "_HiStOrY_V2_" line, then one formula a line with blanks and other characters written as
// backslash escapes, "\040" for a blank).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct cHistoryText {
    // False for what no text editor wrote: NUL bytes, or bytes that are not UTF-8.
    bool readable = true;
    bool libeditFormat = false;
    std::vector<std::string> entries;  // oldest first, empty lines and overlong ones passed over
    std::size_t lines = 0;             // the whole lines, entries or not
};

// Only whole lines count: a last line without its line end is what a write that failed half-way
// (a full disk, a crash) left behind, and would be recalled as a formula that was never typed.
cHistoryText ParseHistoryText(std::string_view bytes, std::size_t maxEntryLength);

// Whether a formula may go into the file without making it unreadable: UTF-8 without NUL bytes.
bool IsStorableEntry(std::string_view formula);
