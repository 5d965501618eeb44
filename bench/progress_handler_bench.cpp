// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop program's progress handler costs: sum('i';1;10000000;i*i) through the engine with an
// empty progress hook, and through the real ProgressHandler with the program's windows on the offscreen
// platform. The handler's share is the difference; the goal is at most 1.3 times the engine alone.
// Run: build/dev/bench/progress_handler_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "engine/Parser_core.h"
#include "windows/app_windows.h"
#include "windows/progress_handler.h"

namespace {

const char* const Formula = "sum('i';1;10000000;i*i)";

void EmptyHook(std::uint16_t, std::uint32_t, std::uint32_t, std::uint32_t) {}

void Evaluate(benchmark::State& state, tProgressHook hook) {
    const tProgressHook installed = ProgressHook;
    ProgressHook = hook;
    cParseTree tree(Formula);
    for (auto _ : state)
        benchmark::DoNotOptimize(tree.Evaluate());
    ProgressHook = installed;
}

void BM_EngineAlone(benchmark::State& state) {
    Evaluate(state, EmptyHook);
}
void BM_ProgressHandler(benchmark::State& state) {
    Evaluate(state, ProgressHandler);
}

}  // namespace

BENCHMARK(BM_EngineAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressHandler)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    // The windows install the engine's hooks and set the engine up, as the program does.
    const cAppWindows windows(folder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
