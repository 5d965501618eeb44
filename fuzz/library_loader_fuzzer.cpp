// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to both library loaders. Library files come from other people, so a loader must
// survive any bytes, and on every failure leave the live tables as they were with no working copy open.
//
// Each input meets a fresh engine that already holds constants and a function using them, so that loads
// extend and renumber the constants' reference lists. The input is read as a constant library and then
// as a function library: from where the first load stopped, so that an input may hold both and its
// functions use its constants, or from the start again when it is no constant library. After a load that
// succeeded, both tables are saved, loaded into a fresh engine and saved again: the same bytes must come
// out and the tables must be the same.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Parser_core.h"

namespace {

// What the loaders and savers see of the tables, to tell whether two are the same.
struct cTables {
    std::vector<std::optional<std::string>> constants;  // definition and description, in turn
    std::vector<std::optional<std::string>> functions;
    std::vector<std::uint32_t> referenceCounts;
    bool operator==(const cTables&) const = default;
};

struct cLibraries {
    std::string constants;
    std::string functions;
};

std::string_view Input;
std::size_t InputPosition = 0;
std::string Output;

std::int32_t ReadInput(void* buffer, std::int32_t count);
std::int32_t WriteOutput(const void* buffer, std::int32_t count);
void IgnoreProgress(std::uint16_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
void Declare();
std::int32_t LoadAndCheck(std::string_view library, std::int32_t (*load)());
void CheckReferenceLists();
cLibraries Save();
void CheckRoundTrip(const cLibraries& saved, const cTables& tables);
std::int32_t LoadFrom(std::string_view library, std::int32_t (*load)());
cTables LiveTables();
void Require(bool condition, const char* what);

// Keeps every input's engine apart from the next one's.
struct cEngineSession {
    cEngineSession() { InitEngine(); }
    ~cEngineSession() { DoneEngine(); }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    MaxConst = 20;
    MaxFunc = 10;
    RefAlloc = 2;
    ProgressHook = IgnoreProgress;
    ReadHook = ReadInput;
    WriteHook = WriteOutput;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cLibraries saved;
    cTables tables;
    {
        const cEngineSession session;
        Declare();
        const std::string_view input(reinterpret_cast<const char*>(data), size);
        const std::int32_t constants = LoadAndCheck(input, LoadConstLibrary);
        const std::size_t end = constants == LoadNotALibrary ? 0 : InputPosition;
        const std::int32_t functions = LoadAndCheck(input.substr(end), LoadFuncLibrary);
        if (constants != LoadSucceeded && functions != LoadSucceeded) return 0;
        saved = Save();
        tables = LiveTables();
    }
    CheckRoundTrip(saved, tables);
    return 0;
}

namespace {

std::int32_t ReadInput(void* buffer, std::int32_t count) {
    const std::size_t moved = std::min<std::size_t>(count, Input.size() - InputPosition);
    if (moved > 0) std::memcpy(buffer, Input.data() + InputPosition, moved);
    InputPosition += moved;
    return static_cast<std::int32_t>(moved);
}

std::int32_t WriteOutput(const void* buffer, std::int32_t count) {
    Output.append(static_cast<const char*>(buffer), count);
    return count;
}

// Names of two letters, so that the body refers to the constants (a one-letter name is a variable),
// one of them twice, so that its list outgrows one allocation step.
void Declare() {
    BeginConstWork();
    AddConstant("gg=9.81", "");
    AddConstant("cc=2.99792458E8", "light");
    Require(CommitConstWork() == CommitSucceeded, "constants declared");
    BeginFuncWork();
    AddFunction("h(t)=gg*t^2/2+gg*cc", "");
    Require(CommitFuncWork() == CommitSucceeded, "function declared");
    Require(Constants[0].refCount == 2 && Constants[1].refCount == 1, "references recorded");
}

std::int32_t LoadAndCheck(std::string_view library, std::int32_t (*load)()) {
    const cTables before = LiveTables();
    const std::int32_t result = LoadFrom(library, load);
    Require(result >= LoadOtherVersion, "known result");
    Require(!ConstWorkOpen && !FuncWorkOpen, "no working copy left open");
    if (result != LoadSucceeded) Require(LiveTables() == before, "live tables unchanged");
    CheckReferenceLists();
    return result;
}

// Every constant's list holds exactly the nodes of the live function trees that refer to it.
void CheckReferenceLists() {
    std::vector<std::uint32_t> found(static_cast<std::size_t>(ConstCount));
    for (std::int32_t i = 0; i < FuncCount; ++i) {
        std::vector<const cNode*> pending{UserFunctions[i].tree->root.get()};
        while (!pending.empty()) {
            const cNode* node = pending.back();
            pending.pop_back();
            if (node->kind == ptNodeKind::ConstRef) {
                Require(node->index >= 0 && node->index < ConstCount, "reference to a live constant");
                ++found[static_cast<std::size_t>(node->index)];
            }
            for (std::uint16_t k = 0; k < node->childCount; ++k)
                pending.push_back(&node->children[k]);
        }
    }
    for (std::int32_t i = 0; i < ConstCount; ++i) {
        const cConstant& constant = Constants[i];
        Require(constant.refCount == found[i] && constant.refs.size() == found[i], "list counts the nodes");
        Require(constant.refCount <= constant.refCapacity, "reference list within its array");
        for (const cNode* node : constant.refs)
            Require(node->kind == ptNodeKind::ConstRef && node->index == i,
                    "listed node refers to its constant");
    }
}

cLibraries Save() {
    cLibraries saved;
    Output.clear();
    Require(SaveConstLibrary(), "constants saved");
    saved.constants = Output;
    Output.clear();
    Require(SaveFuncLibrary(), "functions saved");
    saved.functions = Output;
    return saved;
}

void CheckRoundTrip(const cLibraries& saved, const cTables& tables) {
    const cEngineSession fresh;
    Require(LoadFrom(saved.constants, LoadConstLibrary) == LoadSucceeded, "saved constants load");
    Require(LoadFrom(saved.functions, LoadFuncLibrary) == LoadSucceeded, "saved functions load");
    Require(LiveTables() == tables, "same tables after the round trip");
    const cLibraries again = Save();
    Require(again.constants == saved.constants && again.functions == saved.functions,
            "same bytes after the round trip");
}

std::int32_t LoadFrom(std::string_view library, std::int32_t (*load)()) {
    Input = library;
    InputPosition = 0;
    return load();
}

cTables LiveTables() {
    cTables tables;
    for (std::int32_t i = 0; i < ConstCount; ++i) {
        tables.constants.push_back(Constants[i].definition);
        tables.constants.push_back(Constants[i].description);
        tables.referenceCounts.push_back(Constants[i].refCount);
    }
    for (std::int32_t i = 0; i < FuncCount; ++i) {
        tables.functions.push_back(UserFunctions[i].definition);
        tables.functions.push_back(UserFunctions[i].description);
    }
    return tables;
}

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

}  // namespace
