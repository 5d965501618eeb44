// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/formula_history.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "common/program_files.h"
#include "history_file.h"
#include "history_text.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t CompactionLines = 2 * cFormulaHistory::MaxEntries;
constexpr char ResultSeparator = '\t';

std::string Quoted(const fs::path& path) {
    const std::u8string text = path.u8string();
    // Appended rather than "\"" + text: GCC 12's -Wrestrict misreads that at -O3.
    std::string quoted = "\"";
    quoted.append(text.begin(), text.end());
    quoted += '"';
    return quoted;
}

// Drops the oldest entries beyond the count and the bytes kept.
void KeepNewest(std::vector<std::string>& entries) {
    std::size_t bytes = 0;
    std::size_t kept = 0;
    for (auto entry = entries.rbegin(); entry != entries.rend() && kept < cFormulaHistory::MaxEntries;
         ++entry) {
        if (bytes + entry->size() + 1 > cFormulaHistory::MaxKeptBytes) break;
        bytes += entry->size() + 1;
        ++kept;
    }
    entries.erase(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(kept));
}

void AppendWithoutRepeat(std::vector<std::string>& entries, std::string entry) {
    if (entries.empty() || entries.back() != entry) entries.push_back(std::move(entry));
}

std::string Lines(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) {
        text += entry;
        text += '\n';
    }
    return text;
}

// The former files that exist, the one changed last at the end.
std::vector<fs::path> ByAge(std::vector<fs::path> files) {
    std::vector<std::pair<fs::file_time_type, fs::path>> dated;
    for (fs::path& file : files) {
        std::error_code error;
        const auto time = fs::last_write_time(file, error);
        if (!error) dated.emplace_back(time, std::move(file));
    }
    std::stable_sort(dated.begin(), dated.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<fs::path> sorted;
    for (auto& [time, file] : dated)
        sorted.push_back(std::move(file));
    return sorted;
}

}  // namespace

cFormulaHistory::cFormulaHistory(fs::path file, std::vector<fs::path> formerFiles) : file_(std::move(file)) {
    if (!file_.empty()) Load(formerFiles);
}

bool cFormulaHistory::Add(std::string formula, std::string result) {
    const auto blanks = [](std::string& text) {
        std::replace_if(
            text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    };
    blanks(formula);
    blanks(result);
    if (formula.empty() || formula.size() > MaxEntryLength) return true;
    std::string line = std::move(formula);
    if (!result.empty()) {
        line += ResultSeparator;
        line += result;
    }
    if (!lines_.empty() && lines_.back() == line) return true;
    lines_.push_back(line);
    TakeLines(std::move(lines_));
    if (!writeFile_) return file_.empty();
    if (!IsStorableEntry(line)) return true;

    CreateFolderFor(file_);  // a folder that cannot be made fails the open below
    cLockedHistoryFile file(file_, true);
    if (!file.Usable()) return false;
    const std::uintmax_t size = file.Size();
    if (rewriteFile_ || linesInFile_ >= CompactionLines || size + line.size() + 1 > CompactionSize)
        return Compact(file, line);
    if (!file.EndsLine()) {
        // What a failed write left: cut it off, or the new line would continue it.
        const auto bytes = file.Read(MaxFileSize);
        if (!bytes || !file.Truncate(bytes->rfind('\n') + 1)) return false;  // none: npos + 1 is 0
    }
    if (!file.Append(line + '\n')) return false;
    ++linesInFile_;
    return true;
}

void cFormulaHistory::Load(const std::vector<fs::path>& formerFiles) {
    const cHistoryFileText read = ReadHistoryFile(file_, MaxFileSize);
    switch (read.outcome) {
        case cHistoryReadOutcome::Missing:
            writeFile_ = true;
            ImportFormerFiles(formerFiles);
            return;
        case cHistoryReadOutcome::NotAFile:
            return LeaveFileAlone("is not a regular file");
        case cHistoryReadOutcome::TooLarge:
            return LeaveFileAlone("is larger than 4 MiB");
        case cHistoryReadOutcome::NotReadable:
            return LeaveFileAlone("cannot be read");
        case cHistoryReadOutcome::Read:
            break;
    }
    cHistoryText text = ParseHistoryText(read.bytes, MaxEntryLength);
    if (!text.readable) return KeepAside();
    TakeLines(std::move(text.entries));
    linesInFile_ = text.lines;
    rewriteFile_ = text.libeditFormat;
    writeFile_ = MayWriteHistoryFile(file_);
    if (!writeFile_) LeaveFileAlone("cannot be written");
}

void cFormulaHistory::ImportFormerFiles(const std::vector<fs::path>& formerFiles) {
    std::vector<std::string> lines;
    for (const fs::path& former : ByAge(formerFiles)) {
        const cHistoryFileText read = ReadHistoryFile(former, MaxFileSize);
        if (read.outcome != cHistoryReadOutcome::Read) continue;
        for (std::string& entry : ParseHistoryText(read.bytes, MaxEntryLength).entries)
            AppendWithoutRepeat(lines, std::move(entry));
    }
    TakeLines(std::move(lines));
    if (lines_.empty()) return;

    CreateFolderFor(file_);
    cLockedHistoryFile file(file_, true);
    if (!file.Usable()) return;
    if (file.Size() == 0) {
        if (file.Append(Lines(lines_))) linesInFile_ = lines_.size();
        return;
    }
    // Another program made the file first: its history is the one both go on with.
    const auto bytes = file.Read(MaxFileSize);
    cHistoryText text = ParseHistoryText(bytes.value_or(""), MaxEntryLength);
    if (!bytes || !text.readable) return LeaveFileAlone("cannot be read");
    TakeLines(std::move(text.entries));
    linesInFile_ = text.lines;
}

// The lines become the history: the newest that are kept, split into formulas and results.
void cFormulaHistory::TakeLines(std::vector<std::string> lines) {
    KeepNewest(lines);
    lines_ = std::move(lines);
    entries_.clear();
    results_.clear();
    for (const std::string& line : lines_) {
        const auto separator = line.find(ResultSeparator);
        entries_.push_back(line.substr(0, separator));
        results_.push_back(separator == std::string::npos ? std::string() : line.substr(separator + 1));
    }
}

bool cFormulaHistory::Clear() {
    TakeLines({});
    if (!writeFile_) return file_.empty();
    cLockedHistoryFile file(file_, true);
    if (!file.Usable() || !file.Replace("")) return false;
    linesInFile_ = 0;
    rewriteFile_ = false;
    return true;
}

void cFormulaHistory::KeepAside() {
    fs::path aside = file_;
    aside += ".unreadable";
    if (MayWriteHistoryFile(file_)) {
        // Under the lock, so that two programs starting together never both move a file: the second
        // finds the first one's new file in the place.
        cLockedHistoryFile file(file_, false);
        const auto bytes = file.Usable() ? file.Read(MaxFileSize) : std::nullopt;
        if (bytes && !ParseHistoryText(*bytes, MaxEntryLength).readable && file.MoveAside(aside)) {
            writeFile_ = true;
            problem_ = "the history file " + Quoted(file_) +
                       " held what is not formulas (NUL bytes or text that is not UTF-8): it has been "
                       "kept as " +
                       Quoted(aside) + ", and a new history begins";
            return;
        }
    }
    LeaveFileAlone("holds what is not formulas (NUL bytes or text that is not UTF-8)");
}

bool cFormulaHistory::Compact(cLockedHistoryFile& file, const std::string& line) {
    // Read again under the lock: other programs may have added lines since this one read the file.
    const auto bytes = file.Read(MaxFileSize);
    if (!bytes) return false;
    cHistoryText text = ParseHistoryText(*bytes, MaxEntryLength);
    if (!text.readable) return false;
    AppendWithoutRepeat(text.entries, line);
    KeepNewest(text.entries);
    if (!file.Replace(Lines(text.entries))) return false;
    linesInFile_ = text.entries.size();
    rewriteFile_ = false;
    return true;
}

void cFormulaHistory::LeaveFileAlone(const char* reason) {
    writeFile_ = false;
    problem_ = "the history file " + Quoted(file_) + " " + reason +
               ": it is left as it is, and the formulas of this session are not kept";
}

cFormulaHistory SharedFormulaHistory() {
    cHistoryLocation location = LocateHistoryFile();
    return cFormulaHistory(std::move(location.file), std::move(location.formerFiles));
}
