// SPDX-License-Identifier: GPL-3.0-or-later
// The declaration store: the live tables of constants and user functions, their working copies, and
// every edit and read on them. Live tables are never edited in place; edits go to a working copy that
// a commit (declaration_commit.cpp) turns into the live table.
#include <algorithm>

#include "engine/Parser_core.h"
#include "parsing/name_index.h"

namespace {

// The pieces of one working copy, so that the edits are written once for both kinds.
template <class Entry>
struct cWorkTable {
    std::unique_ptr<Entry[]>& entries;
    std::int32_t& count;
    bool& open;
    std::int32_t capacity;
};

cWorkTable<cConstant> ConstWork();
cWorkTable<cUserFunction> FuncWork();
template <class Entry>
void Begin(const cWorkTable<Entry>& work, const std::unique_ptr<Entry[]>& live, std::int32_t liveCount);
template <class Entry>
bool Add(const cWorkTable<Entry>& work, std::string_view definition, std::string_view description);
template <class Entry>
bool Modify(const cWorkTable<Entry>& work, std::uint32_t index, std::string_view definition,
            std::string_view description);
template <class Entry>
bool Delete(const cWorkTable<Entry>& work, std::uint32_t index);
template <class Entry>
void Discard(const cWorkTable<Entry>& work);
std::optional<std::string> ConstText(std::uint32_t index, std::optional<std::string> cConstant::*text);
std::optional<std::string> FuncText(std::uint32_t index, std::optional<std::string> cUserFunction::*text);

}  // namespace

void BeginConstWork() {
    Begin(ConstWork(), Constants, ConstCount);
}
void BeginFuncWork() {
    Begin(FuncWork(), UserFunctions, FuncCount);
}

bool AddConstant(std::string_view definition, std::string_view description) {
    return Add(ConstWork(), definition, description);
}

bool AddFunction(std::string_view definition, std::string_view description) {
    return Add(FuncWork(), definition, description);
}

bool ModifyConstant(std::uint32_t index, std::string_view definition, std::string_view description) {
    return Modify(ConstWork(), index, definition, description);
}

bool ModifyFunction(std::uint32_t index, std::string_view definition, std::string_view description) {
    return Modify(FuncWork(), index, definition, description);
}

bool DeleteConstant(std::uint32_t index) {
    return Delete(ConstWork(), index);
}
bool DeleteFunction(std::uint32_t index) {
    return Delete(FuncWork(), index);
}

std::optional<std::string> GetConstDefinition(std::uint32_t index) {
    return ConstText(index, &cConstant::definition);
}

std::optional<std::string> GetConstDescription(std::uint32_t index) {
    return ConstText(index, &cConstant::description);
}

std::optional<std::string> GetFuncDefinition(std::uint32_t index) {
    return FuncText(index, &cUserFunction::definition);
}

std::optional<std::string> GetFuncDescription(std::uint32_t index) {
    return FuncText(index, &cUserFunction::description);
}

std::int32_t GetConstCount() {
    return ConstWorkOpen ? WorkConstCount : ConstCount;
}
std::int32_t GetFuncCount() {
    return FuncWorkOpen ? WorkFuncCount : FuncCount;
}

void DiscardConstWork() {
    Discard(ConstWork());
}
void DiscardFuncWork() {
    Discard(FuncWork());
}

namespace {

cWorkTable<cConstant> ConstWork() {
    return {WorkConstants, WorkConstCount, ConstWorkOpen, MaxConst};
}
cWorkTable<cUserFunction> FuncWork() {
    return {WorkFunctions, WorkFuncCount, FuncWorkOpen, MaxFunc};
}

bool IsReferenced(const cConstant& constant) {
    return constant.refCount > 0;
}
bool IsReferenced(const cUserFunction&) {
    return false;
}

template <class Entry>
bool CanChange(const cWorkTable<Entry>& work, std::uint32_t index) {
    return work.open && index < static_cast<std::uint32_t>(work.count) && !IsReferenced(work.entries[index]);
}

template <class Entry>
void CopyTexts(const Entry& from, Entry& to) {
    to.definition = from.definition;
    to.description = from.description;
}

// The copy holds exactly refCount elements: it is only ever shortened before the next commit of the
// functions empties it.
void CopyRefs(const cConstant& from, cConstant& to) {
    to.refCount = from.refCount;
    to.refCapacity = from.refCount;
    to.refs = from.refs;
}

void CopyRefs(const cUserFunction&, cUserFunction&) {}

template <class Entry>
void Begin(const cWorkTable<Entry>& work, const std::unique_ptr<Entry[]>& live, std::int32_t liveCount) {
    if (work.open) return;
    // Never smaller than the live table, so that every live entry has its place.
    const std::int32_t capacity = std::max({work.capacity, liveCount, 0});
    work.entries = std::make_unique<Entry[]>(capacity);
    NamesChanged();
    for (std::int32_t i = 0; i < liveCount; ++i) {
        CopyTexts(live[i], work.entries[i]);
        CopyRefs(live[i], work.entries[i]);
    }
    work.count = liveCount;
    work.open = true;
}

template <class Entry>
bool Add(const cWorkTable<Entry>& work, std::string_view definition, std::string_view description) {
    if (!work.open || work.count >= work.capacity) return false;
    Entry& entry = work.entries[work.count];
    entry.definition.emplace(definition);
    entry.description.emplace(description);
    ++work.count;
    return true;
}

template <class Entry>
bool Modify(const cWorkTable<Entry>& work, std::uint32_t index, std::string_view definition,
            std::string_view description) {
    if (!CanChange(work, index)) return false;
    work.entries[index].definition.emplace(definition);
    work.entries[index].description.emplace(description);
    return true;
}

template <class Entry>
bool Delete(const cWorkTable<Entry>& work, std::uint32_t index) {
    if (!CanChange(work, index)) return false;
    Entry* first = work.entries.get();
    std::move(first + index + 1, first + work.count, first + index);
    // A moved-from text stays engaged; the freed slot must be truly empty.
    first[work.count - 1] = Entry{};
    --work.count;
    NamesChanged();
    return true;
}

template <class Entry>
void Discard(const cWorkTable<Entry>& work) {
    if (!work.open) return;
    work.entries.reset();
    work.count = 0;
    NamesChanged();
    work.open = false;
}

template <class Entry>
std::optional<std::string> Text(const std::unique_ptr<Entry[]>& entries, std::int32_t count,
                                std::uint32_t index, std::optional<std::string> Entry::*text) {
    if (index >= static_cast<std::uint32_t>(std::max(count, 0))) return std::nullopt;
    return entries[index].*text;
}

std::optional<std::string> ConstText(std::uint32_t index, std::optional<std::string> cConstant::*text) {
    return ConstWorkOpen ? Text(WorkConstants, WorkConstCount, index, text)
                         : Text(Constants, ConstCount, index, text);
}

std::optional<std::string> FuncText(std::uint32_t index, std::optional<std::string> cUserFunction::*text) {
    return FuncWorkOpen ? Text(WorkFunctions, WorkFuncCount, index, text)
                        : Text(UserFunctions, FuncCount, index, text);
}

}  // namespace
