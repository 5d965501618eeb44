// SPDX-License-Identifier: GPL-3.0-or-later
// The formulas calculated before, in both programs, kept between runs in one text file: one formula a
// line, UTF-8, oldest first. The desktop program adds the result it showed after a tab, which no
// formula holds: the History window lists both, Up and Down recall the formula.
//
// Several programs may share the file at once (orvane-cli in two terminals and the desktop program):
// each keeps its own list in memory, and each new entry is appended to the file as a whole line under
// an advisory lock. The file is never rewritten in place: when it has grown well beyond what is kept,
// the newest entries are written to a sibling that takes its name. The file is the user's, so what
// the unit cannot use safely it leaves alone and keeps the history in memory for the session: a
// FIFO, a device or a folder in its place, a file larger than MaxFileSize, one the user may not read
// or write. A file that holds what no editor wrote (NUL bytes, text that is not UTF-8) is kept under
// another name, and a new history begins.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class cLockedHistoryFile;

class cFormulaHistory {
public:
    static constexpr std::size_t MaxEntries = 1000;
    // A longer formula is calculated but not kept: one pasted by mistake must not slow every later
    // start and fill the file.
    static constexpr std::size_t MaxEntryLength = 64 * 1024;
    // At most this much of the newest entries is kept, line ends counted, in memory and in the file.
    static constexpr std::size_t MaxKeptBytes = 1024 * 1024;
    // The file is compacted when it grows beyond this, and a larger one is left alone.
    static constexpr std::uintmax_t CompactionSize = 2 * MaxKeptBytes;
    static constexpr std::uintmax_t MaxFileSize = 2 * CompactionSize;

    // Reads the file. While it does not exist, the formerFiles that do (older histories, in plain lines
    // or libedit's format) are read, the one changed last taken as the newest, and written as the new
    // file; they stay as they are. An empty path keeps the history in memory only.
    explicit cFormulaHistory(std::filesystem::path file, std::vector<std::filesystem::path> formerFiles = {});

    // Makes the formula the newest entry, with the result shown for it when there is one, and appends
    // it to the file. Line breaks and tabs become blanks, which a formula ignores; an immediate repeat
    // (the same formula with the same result) is kept once; an empty formula and one longer than
    // MaxEntryLength not at all; one with NUL bytes or that is not UTF-8 only in memory. The oldest
    // entries go beyond MaxEntries and MaxKeptBytes. False when the entry should have gone into the
    // file and did not: the write failed, or the file is left alone. It is kept in memory anyway.
    bool Add(std::string formula, std::string result = {});

    // Oldest first.
    const std::vector<std::string>& Entries() const { return entries_; }
    // The result of each entry, empty where none was kept.
    const std::vector<std::string>& Results() const { return results_; }

    // Empties the history, in memory and in the file, for every program that shares it. False when
    // the file could not be emptied.
    bool Clear();

    // Why the file is not used as it should be, in words that name it and may follow the program's
    // name ("orvane-cli: the history file ..."); empty when it is. Set when the history is read, so
    // that a front end says it once.
    const std::string& Problem() const { return problem_; }

private:
    void Load(const std::vector<std::filesystem::path>& formerFiles);
    void ImportFormerFiles(const std::vector<std::filesystem::path>& formerFiles);
    void KeepAside();
    bool Compact(cLockedHistoryFile& file, const std::string& line);
    void TakeLines(std::vector<std::string> lines);
    void LeaveFileAlone(const char* reason);

    std::filesystem::path file_;
    bool writeFile_ = false;
    bool rewriteFile_ = false;        // in libedit's format: the next write makes it plain lines
    std::size_t linesInFile_ = 0;     // as far as this program knows; others may have added more
    std::vector<std::string> lines_;  // as in the file: the formula, a tab and the result if any
    std::vector<std::string> entries_;
    std::vector<std::string> results_;
    std::string problem_;
};

// The history both programs share, where LocateHistoryFile (common/program_files.h) finds it.
cFormulaHistory SharedFormulaHistory();
