// Feeds arbitrary bytes to both library loaders. Library files come from other people, so a loader must
// survive any bytes, and on every failure leave the live tables as they were with no working copy open.
// Each input meets a fresh engine that already holds a constant and a function using it, so that loads
// also exercise the reference lists.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Parser_core.h"

namespace {

const std::uint8_t* Input = nullptr;
std::size_t InputSize = 0;
std::size_t InputPosition = 0;

std::int32_t ReadInput(void* buffer, std::int32_t count);
void IgnoreProgress(std::uint16_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
void Declare();
void LoadAndCheck(std::int32_t (*load)());
std::vector<std::string> LiveDefinitions();
void Require(bool condition, const char* what);

// Keeps every input's engine apart from the next one's.
struct EngineSession {
    EngineSession() {
        InitEngine();
        Declare();
    }
    ~EngineSession() { DoneEngine(); }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    MaxConst = 20;
    MaxFunc = 10;
    RefAlloc = 2;
    ProgressHook = IgnoreProgress;
    ReadHook = ReadInput;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const EngineSession session;
    Input = data;
    InputSize = size;
    LoadAndCheck(LoadConstLibrary);
    LoadAndCheck(LoadFuncLibrary);
    return 0;
}

namespace {

std::int32_t ReadInput(void* buffer, std::int32_t count) {
    const std::size_t moved = std::min<std::size_t>(count, InputSize - InputPosition);
    if (moved > 0) std::memcpy(buffer, Input + InputPosition, moved);
    InputPosition += moved;
    return static_cast<std::int32_t>(moved);
}

void Declare() {
    BeginConstWork();
    AddConstant("g=9.81", "");
    Require(CommitConstWork() == -1, "constant declared");
    BeginFuncWork();
    AddFunction("h(t)=g*t^2/2+g", "");
    Require(CommitFuncWork() == -1, "function declared");
}

void LoadAndCheck(std::int32_t (*load)()) {
    const std::vector<std::string> before = LiveDefinitions();
    InputPosition = 0;
    const std::int32_t result = load();
    Require(result >= -5, "known result");
    Require(!ConstWorkOpen && !FuncWorkOpen, "no working copy left open");
    if (result != -1) Require(LiveDefinitions() == before, "live tables unchanged");
    for (std::int32_t i = 0; i < ConstCount; ++i) {
        Require(Constants[i].refCount <= Constants[i].refCapacity, "reference list within its array");
    }
}

std::vector<std::string> LiveDefinitions() {
    std::vector<std::string> definitions;
    for (std::int32_t i = 0; i < ConstCount; ++i)
        definitions.push_back(Constants[i].definition.value_or(""));
    definitions.emplace_back("|");
    for (std::int32_t i = 0; i < FuncCount; ++i)
        definitions.push_back(UserFunctions[i].definition.value_or(""));
    return definitions;
}

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

}  // namespace
