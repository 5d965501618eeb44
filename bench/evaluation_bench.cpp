// SPDX-License-Identifier: GPL-3.0-or-later
// Nanoseconds per evaluated node: every node makes one progress call, so the figure includes the
// cost of the hook. Run: build/dev/bench/evaluation_bench
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

#include "common/progress_lines.h"
#include "engine/Parser_core.h"

namespace {

std::uint64_t ProgressCalls = 0;

void CountingHook(std::uint16_t, std::uint32_t, std::uint32_t, std::uint32_t) {
    ++ProgressCalls;
}

// What the GUI's progress handler does on a call that does not redraw: store the line's counts and
// compare the wall-clock second with the last refresh.
cProgressLines Lines;
std::time_t LastRefreshSecond = 0;

void DisplayLikeHook(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    ++ProgressCalls;
    if (!Lines.Store(line, activity, total, done)) return;
    const std::time_t now = WallClockSecond();
    if (now != LastRefreshSecond) {
        benchmark::DoNotOptimize(Lines.LineText(line));
        LastRefreshSecond = WallClockSecond();
    }
}

class cEngineSession {
public:
    explicit cEngineSession(tProgressHook hook) {
        InitEngine();
        ProgressHook = hook;
    }
    ~cEngineSession() { DoneEngine(); }
};

void RunFormula(benchmark::State& state, const std::string& formula, tProgressHook hook) {
    cEngineSession session(hook);
    cParseTree tree(formula);
    ProgressCalls = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(tree.Evaluate());
    state.counters["ns_per_node"] = benchmark::Counter(
        static_cast<double>(ProgressCalls), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["nodes"] = static_cast<double>(ProgressCalls) / static_cast<double>(state.iterations());
}

std::string LargeFormula() {
    std::string formula = "1";
    for (int i = 0; i < 2000; ++i)
        formula += "+x*" + std::to_string(i % 7 + 1) + "/(y+2)";
    return formula;
}

void BM_LargeFormula_CountingHook(benchmark::State& state) {
    RunFormula(state, LargeFormula(), CountingHook);
}
void BM_SumOfSquares_CountingHook(benchmark::State& state) {
    RunFormula(state, "sum('i';1;10000000;i*i)", CountingHook);
}
void BM_SumOfSquares_DisplayHook(benchmark::State& state) {
    RunFormula(state, "sum('i';1;10000000;i*i)", DisplayLikeHook);
}

}  // namespace

BENCHMARK(BM_LargeFormula_CountingHook)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SumOfSquares_CountingHook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SumOfSquares_DisplayHook)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
