// SPDX-License-Identifier: GPL-3.0-or-later
// The redraw of the plot window's drawing after a zoom or a pan, with the real widget on the offscreen
// platform: four curves of an integral, sampled once; each iteration zooms or pans and repaints at
// once (target: one frame, 16 ms). Run: build/dev/bench/plot_redraw_bench
#include <benchmark/benchmark.h>

#include <QApplication>

#include "common/engine_session.h"
#include "shared/plot_canvas.h"

namespace {

constexpr int Width = 800;
constexpr int Height = 500;

std::vector<cPlotFormula> FourIntegrals() {
    const double variables[VariableCount] = {};
    std::vector<cPlotFormula> formulas;
    const char* texts[] = {"integral('t';0;x;sin(t))", "integral('t';0;x;cos(t))",
                           "integral('t';0;x;t*sin(t))", "integral('t';0;x;1/(1+t^2))"};
    for (int i = 0; i < 4; ++i)
        formulas.push_back(
            {QString::fromLatin1(texts[i]), i, std::make_unique<cFormulaOfX>(texts[i], variables)});
    return formulas;
}

void RedrawAfterZoomAndPan(benchmark::State& state) {
    const cEngineSession engine(cEngineSettings{.angleMode = 0});
    cPlotCanvas canvas;
    canvas.resize(Width, Height);
    canvas.show();
    canvas.xAxis->setRange(-10, 10);
    canvas.replot(QCustomPlot::rpImmediateRefresh);
    {
        const auto formulas = FourIntegrals();
        const cSamplingPlan plan{-10, 10, canvas.Columns(), 0.0};
        cSamplingSession session(PlannedPoints(formulas.size(), plan));
        canvas.SetCurves(SampleCurves(formulas, plan, session));
    }
    canvas.FitYRange();
    // Drawn once with the curves, as the plot window does after sampling; the iterations measure the
    // redraws after a zoom or pan.
    canvas.replot(QCustomPlot::rpImmediateRefresh);
    std::size_t points = 0;
    for (const auto& plotted : canvas.Curves())
        points += plotted.curve.x.size();
    int step = 0;
    for (auto _ : state) {
        if (++step % 2)
            canvas.xAxis->scaleRange(step % 4 == 1 ? 0.8 : 1.25);
        else
            canvas.xAxis->moveRange(step % 4 == 2 ? 0.5 : -0.5);
        canvas.replot(QCustomPlot::rpImmediateRefresh);
    }
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(RedrawAfterZoomAndPan)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
