// SPDX-License-Identifier: GPL-3.0-or-later
// Nanoseconds per built-in call through the built-in table, for sin in degrees and radians, exp, ln
// and a fractional power, over arguments that change on every call.
// Run: build/dev/bench/builtins_bench
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "common/engine_session.h"
#include "engine/Parser_core.h"

namespace {

std::vector<double> Arguments(double low, double high) {
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> uniform(low, high);
    std::vector<double> values(1024);
    for (double& value : values)
        value = uniform(random);
    return values;
}

// The argument changes on every evaluation: a variable set before it, read by a three-node tree.
void RunFormula(benchmark::State& state, std::uint16_t angleMode, const std::string& formula, double low,
                double high) {
    const cEngineSession session(cEngineSettings{.angleMode = angleMode});
    ProgressHook = [](std::uint16_t, std::uint32_t, std::uint32_t, std::uint32_t) {};
    const std::vector<double> arguments = Arguments(low, high);
    cParseTree tree(formula);
    std::size_t next = 0;
    for (auto _ : state) {
        tree.SetVariable('x', arguments[next]);
        benchmark::DoNotOptimize(tree.Evaluate());
        next = (next + 1) & 1023;
    }
}

void BM_SinDegrees(benchmark::State& state) {
    RunFormula(state, 1, "sin(x)", -360, 360);
}
void BM_SinRadians(benchmark::State& state) {
    RunFormula(state, 0, "sin(x)", -10, 10);
}
void BM_SinHugeRadians(benchmark::State& state) {
    RunFormula(state, 0, "sin(x)", 1e10, 1e15);
}
void BM_Exp(benchmark::State& state) {
    RunFormula(state, 1, "exp(x)", -700, 700);
}
void BM_Ln(benchmark::State& state) {
    RunFormula(state, 1, "ln(x)", 0, 1e6);
}
void BM_FractionalPower(benchmark::State& state) {
    RunFormula(state, 1, "x^1.5", 0, 1e6);
}
void BM_Variable(benchmark::State& state) {
    RunFormula(state, 1, "x", 0, 1);
}

}  // namespace

BENCHMARK(BM_Variable);
BENCHMARK(BM_SinDegrees);
BENCHMARK(BM_SinRadians);
BENCHMARK(BM_SinHugeRadians);
BENCHMARK(BM_Exp);
BENCHMARK(BM_Ln);
BENCHMARK(BM_FractionalPower);
BENCHMARK_MAIN();
