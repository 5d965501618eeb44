// SPDX-License-Identifier: GPL-3.0-or-later
#include "completion.h"

#include <algorithm>

#include "commands.h"
#include "engine/Parser_core.h"

namespace {

struct cCandidate {
    std::string name;
    std::string_view suffix;  // added after a name that is completed alone
};

bool IsWordChar(char c) {
    return IsNameChar(c) || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::vector<cCandidate> CommandCandidates() {
    std::vector<cCandidate> candidates;
    for (const std::string_view name : CommandNames())
        candidates.push_back({std::string(name), " "});
    return candidates;
}

std::vector<cCandidate> NameCandidates() {
    std::vector<cCandidate> candidates;
    for (const char* keyword : {"sum", "pro", "integral", "derivative", "solve"})
        candidates.push_back({keyword, "("});
    for (std::int32_t i = 0; i < BasicCount; ++i)
        candidates.push_back(
            {BasicFunctions[i].name.value_or(""), BasicFunctions[i].argCount == 0 ? "()" : "("});
    for (std::int32_t i = 0; i < ConstCount; ++i)
        candidates.push_back({Constants[i].name.value_or(""), ""});
    for (std::int32_t i = 0; i < FuncCount; ++i)
        candidates.push_back(
            {UserFunctions[i].name.value_or(""), UserFunctions[i].paramCount == 0 ? "()" : "("});
    return candidates;
}

std::string CommonPrefix(const std::vector<const cCandidate*>& matches) {
    std::string prefix = matches.front()->name;
    for (const cCandidate* match : matches) {
        const auto differ =
            std::mismatch(prefix.begin(), prefix.end(), match->name.begin(), match->name.end());
        prefix.erase(differ.first, prefix.end());
    }
    return prefix;
}

}  // namespace

cCompletion Complete(std::string_view lineBeforeCursor) {
    const auto lineStart = lineBeforeCursor.find_first_not_of(" \t");
    const bool command = lineStart != std::string_view::npos && lineBeforeCursor[lineStart] == ':' &&
                         lineBeforeCursor.find_first_of(" \t", lineStart) == std::string_view::npos;
    std::size_t wordStart = lineBeforeCursor.size();
    if (command) {
        wordStart = lineStart;
    } else {
        while (wordStart > 0 && IsWordChar(lineBeforeCursor[wordStart - 1]))
            --wordStart;
    }
    const std::string_view word = lineBeforeCursor.substr(wordStart);
    if (word.empty()) return {};

    const std::vector<cCandidate> candidates = command ? CommandCandidates() : NameCandidates();
    std::vector<const cCandidate*> matches;
    for (const cCandidate& candidate : candidates)
        if (candidate.name.size() >= word.size() && candidate.name.starts_with(word) &&
            std::none_of(matches.begin(), matches.end(),
                         [&](const cCandidate* m) { return m->name == candidate.name; }))
            matches.push_back(&candidate);
    if (matches.empty()) return {};
    if (matches.size() == 1)
        return {matches.front()->name.substr(word.size()) + std::string(matches.front()->suffix), {}};

    cCompletion completion;
    completion.insert = CommonPrefix(matches).substr(word.size());
    if (completion.insert.empty())
        for (const cCandidate* match : matches)
            completion.choices.push_back(match->name);
    return completion;
}
