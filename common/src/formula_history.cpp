// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/formula_history.h"

#include <algorithm>
#include <fstream>

#include "common/program_files.h"
#include "common/replace_file.h"

cFormulaHistory::cFormulaHistory(std::filesystem::path file) : file_(std::move(file)) {
    if (file_.empty()) return;
    std::ifstream in(file_, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        // A file edited by hand on Windows ends its lines with CR LF.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) entries_.push_back(std::move(line));
    }
    if (entries_.size() > MaxEntries)
        entries_.erase(entries_.begin(), entries_.end() - static_cast<std::ptrdiff_t>(MaxEntries));
}

bool cFormulaHistory::Add(std::string formula) {
    std::replace_if(
        formula.begin(), formula.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    if (formula.empty() || (!entries_.empty() && entries_.back() == formula)) return true;
    entries_.push_back(std::move(formula));
    if (entries_.size() > MaxEntries) entries_.erase(entries_.begin());
    if (file_.empty()) return true;

    std::string text;
    for (const std::string& entry : entries_) {
        text += entry;
        text += '\n';
    }
    CreateFolderFor(file_);  // a folder that cannot be made fails the write below
    return ReplaceFileContents(file_, text);
}
