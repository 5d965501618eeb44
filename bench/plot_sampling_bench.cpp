// SPDX-License-Identifier: GPL-3.0-or-later
// The sampling of plots and tables: 2,000 points of a 16-node formula (target: 2 ms), 1,000 points of
// an integral (target: 0.1 s), and a whole curve with its refinement and zeros. The front end's
// progress hook is the GUI's cheap path (store and compare), as it is while a plot is drawn.
// Run: build/dev/bench/plot_sampling_bench
#include <benchmark/benchmark.h>

#include "common/curve_sampling.h"
#include "common/engine_session.h"
#include "common/progress_lines.h"

namespace {

cProgressLines Lines;
void StoringHook(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    Lines.Store(line, activity, total, done);
}

// sin(x)*x^2-3*x+1/(x+2): 16 nodes.
constexpr const char* SixteenNodes = "sin(x)*x^2-3*x+1/(x+2)";
constexpr const char* Integral = "integral('t';0;x;sin(t))";

class cBenchEngine {
public:
    cBenchEngine() : session_(cEngineSettings{.angleMode = 0}) { ProgressHook = StoringHook; }

private:
    cEngineSession session_;
};

void EvenPoints(benchmark::State& state, const char* text, int points) {
    const cBenchEngine engine;
    const double variables[VariableCount] = {};
    cFormulaOfX formula(text, variables);
    for (auto _ : state) {
        cSamplingSession session(static_cast<std::uint32_t>(points));
        for (int i = 0; i < points; ++i) {
            benchmark::DoNotOptimize(formula.ValueAt(-10.0 + 20.0 * i / (points - 1)));
            session.PointDone();
        }
    }
    state.counters["points"] = points;
}

void Points2000Of16Nodes(benchmark::State& state) {
    EvenPoints(state, SixteenNodes, 2000);
}
BENCHMARK(Points2000Of16Nodes)->Unit(benchmark::kMillisecond);

void Points1000OfAnIntegral(benchmark::State& state) {
    EvenPoints(state, Integral, 1000);
}
BENCHMARK(Points1000OfAnIntegral)->Unit(benchmark::kMillisecond);

// A whole curve as the plot window samples it: 2,000 columns, refinement where it steps, zeros.
void CurveOf2000Columns(benchmark::State& state, const char* text) {
    const cBenchEngine engine;
    const double variables[VariableCount] = {};
    cFormulaOfX formula(text, variables);
    std::size_t points = 0;
    for (auto _ : state) {
        cSamplingSession session(2001);
        points = SampleCurve(formula, {-10, 10, 2000, 0.0}, session).x.size();
    }
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK_CAPTURE(CurveOf2000Columns, sixteen_nodes, SixteenNodes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CurveOf2000Columns, pole, "1/(x-1)")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
