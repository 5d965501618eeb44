// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a function library whose bodies use one constant many times: the time must grow linearly
// with the number of references (the constant's reference list grows geometrically, and a later
// function commit empties every list at once). Run: build/dev/bench/library_load_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "common/engine_session.h"
#include "engine/Parser_core.h"

namespace {

// A body is a sum of bracketed groups of GroupSize uses, so that its tree stays shallow; 20,000 uses are
// about 60 kB, within a text's limit.
constexpr std::int32_t RefsPerFunction = 20000;
constexpr std::int32_t GroupSize = 100;

std::string Library(std::int32_t references);
std::string Bytes;
std::size_t ReadPosition = 0;

std::int32_t ReadLibrary(void* buffer, std::int32_t count) {
    const std::size_t moved = std::min<std::size_t>(count, Bytes.size() - ReadPosition);
    std::memcpy(buffer, Bytes.data() + ReadPosition, moved);
    ReadPosition += moved;
    return static_cast<std::int32_t>(moved);
}

// A fresh engine holding the constant kk, then the library of functions using it; each iteration
// loads it and then commits the functions once more (a later commit re-interprets them all).
void LoadFunctionLibrary(benchmark::State& state) {
    const auto references = static_cast<std::int32_t>(state.range(0));
    const std::string library = Library(references);
    cEngineSettings settings;
    settings.maxFunc = 9999;
    std::optional<cEngineSession> engine;
    for (auto _ : state) {
        state.PauseTiming();
        engine.reset();
        engine.emplace(settings);
        ReadHook = ReadLibrary;
        BeginConstWork();
        AddConstant("kk=1", "");
        CommitConstWork();
        Bytes = library;
        ReadPosition = 0;
        state.ResumeTiming();
        if (const auto result = LoadFuncLibrary(); result != LoadSucceeded)
            state.SkipWithError(("the library did not load: " + std::to_string(result)).c_str());
        BeginFuncWork();
        if (CommitFuncWork() != CommitSucceeded) state.SkipWithError("the commit failed");
    }
    state.SetComplexityN(references);
}
BENCHMARK(LoadFunctionLibrary)
    ->Arg(80000)
    ->Arg(160000)
    ->Arg(320000)
    ->Arg(640000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

std::string String16(const std::string& text) {
    return std::string{static_cast<char>(text.size() & 0xFF), static_cast<char>(text.size() >> 8)} + text;
}

std::string Library(std::int32_t references) {
    const std::int32_t functions = (references + RefsPerFunction - 1) / RefsPerFunction;
    std::string bytes = std::string("OVF\x01\x01", 5);
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(static_cast<std::uint32_t>(functions) >> (8 * i));
    for (std::int32_t f = 0; f < functions; ++f) {
        const std::int32_t uses = std::min(RefsPerFunction, references - f * RefsPerFunction);
        std::string body;
        for (std::int32_t u = 0; u < uses; ++u) {
            if (u % GroupSize == 0) body += u == 0 ? "(" : ")+(";
            body += u % GroupSize == 0 ? "kk" : "+kk";
        }
        body += ")";
        // Names of letters only: f followed by the function's number spelt in a to j.
        std::string name = "f";
        for (const char digit : std::to_string(f))
            name += static_cast<char>('a' + (digit - '0'));
        bytes += String16(name + "()=" + body) + String16("");
    }
    return bytes;
}

}  // namespace

BENCHMARK_MAIN();
