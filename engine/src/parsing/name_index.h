// SPDX-License-Identifier: GPL-3.0-or-later
// Names found by hashing, with the meaning of a scan in table order: the first entry that has the
// name. Entries appended since the last lookup are taken in as they come, so a commit that interprets
// a table entry by entry, each body looking up the entries before it, costs linear time.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

// Says that names of entries already in a table may have changed: a table allocated or replaced, an
// entry deleted, renamed or forgotten. Every index starts afresh at its next lookup.
void NamesChanged();

class cNameIndex {
public:
    // The position of the first of entries[0 .. count - 1] whose engaged name equals name, or -1.
    template <class Entry>
    std::int32_t Find(const Entry* entries, std::int32_t count, std::string_view name);

private:
    struct cHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    bool Current(const void* table, std::int32_t count) const;
    void Restart(const void* table);

    const void* table_ = nullptr;
    std::uint64_t generation_ = 0;
    std::int32_t indexed_ = 0;
    std::unordered_map<std::string, std::int32_t, cHash, std::equal_to<>> first_;
};

template <class Entry>
std::int32_t cNameIndex::Find(const Entry* entries, std::int32_t count, std::string_view name) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!Current(entries, count)) Restart(entries);
        for (; indexed_ < count; ++indexed_)
            if (entries[indexed_].name) first_.try_emplace(*entries[indexed_].name, indexed_);
        const auto found = first_.find(name);
        if (found == first_.end()) return -1;
        const std::int32_t position = found->second;
        if (entries[position].name && *entries[position].name == name) return position;
        // The name no longer stands there: the table changed without NamesChanged. Start afresh.
        Restart(nullptr);
    }
    return -1;
}
