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

bool cFormulaHistory::Add(std::string formula) {
    std::replace_if(
        formula.begin(), formula.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    if (formula.empty() || formula.size() > MaxEntryLength ||
        (!entries_.empty() && entries_.back() == formula))
        return true;
    entries_.push_back(formula);
    KeepNewest(entries_);
    if (!writeFile_) return file_.empty();
    if (!IsStorableEntry(formula)) return true;

    CreateFolderFor(file_);  // a folder that cannot be made fails the open below
    cLockedHistoryFile file(file_, true);
    if (!file.Usable()) return false;
    const std::uintmax_t size = file.Size();
    if (rewriteFile_ || linesInFile_ >= CompactionLines || size + formula.size() + 1 > CompactionSize)
        return Compact(file, formula);
    if (!file.EndsLine()) {
        // What a failed write left: cut it off, or the new line would continue it.
        const auto bytes = file.Read(MaxFileSize);
        if (!bytes || !file.Truncate(bytes->rfind('\n') + 1)) return false;  // none: npos + 1 is 0
    }
    if (!file.Append(formula + '\n')) return false;
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
    entries_ = std::move(text.entries);
    KeepNewest(entries_);
    linesInFile_ = text.lines;
    rewriteFile_ = text.libeditFormat;
    writeFile_ = MayWriteHistoryFile(file_);
    if (!writeFile_) LeaveFileAlone("cannot be written");
}

void cFormulaHistory::ImportFormerFiles(const std::vector<fs::path>& formerFiles) {
    for (const fs::path& former : ByAge(formerFiles)) {
        const cHistoryFileText read = ReadHistoryFile(former, MaxFileSize);
        if (read.outcome != cHistoryReadOutcome::Read) continue;
        for (std::string& entry : ParseHistoryText(read.bytes, MaxEntryLength).entries)
            AppendWithoutRepeat(entries_, std::move(entry));
    }
    KeepNewest(entries_);
    if (entries_.empty()) return;

    CreateFolderFor(file_);
    cLockedHistoryFile file(file_, true);
    if (!file.Usable()) return;
    if (file.Size() == 0) {
        if (file.Append(Lines(entries_))) linesInFile_ = entries_.size();
        return;
    }
    // Another program made the file first: its history is the one both go on with.
    const auto bytes = file.Read(MaxFileSize);
    cHistoryText text = ParseHistoryText(bytes.value_or(""), MaxEntryLength);
    if (!bytes || !text.readable) return LeaveFileAlone("cannot be read");
    entries_ = std::move(text.entries);
    KeepNewest(entries_);
    linesInFile_ = text.lines;
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

bool cFormulaHistory::Compact(cLockedHistoryFile& file, const std::string& formula) {
    // Read again under the lock: other programs may have added lines since this one read the file.
    const auto bytes = file.Read(MaxFileSize);
    if (!bytes) return false;
    cHistoryText text = ParseHistoryText(*bytes, MaxEntryLength);
    if (!text.readable) return false;
    AppendWithoutRepeat(text.entries, formula);
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
