// SPDX-License-Identifier: GPL-3.0-or-later
#include "headless_plot.h"

#include <QFile>
#include <cstdio>
#include <vector>

#include "common/engine_session.h"
#include "common/engine_settings.h"
#include "common/program_files.h"
#include "plot_canvas.h"
#include "plot_export.h"

int RunHeadlessPlot(const cPlotRequest& request) {
    // The angle mode and the tables' sizes are those the program would start with.
    const cEngineSession engine(ReadEngineSettings(LocateSettingsFile(RunningProgramFolder()).readPath));
    const double variables[VariableCount] = {};
    std::vector<cPlotFormula> formulas;
    for (int i = 0; i < request.formulas.size(); ++i) {
        auto parsed = ParsePlotFormula(request.formulas[i], i, variables);
        if (const auto* problem = std::get_if<QString>(&parsed)) {
            Print(stderr, QStringLiteral("orvane: '%1': %2\n").arg(request.formulas[i], *problem));
            return 1;
        }
        formulas.push_back(std::move(std::get<cPlotFormula>(parsed)));
    }

    cPlotCanvas canvas;
    // A window never shown gets no resize events: the layout is made for the picture's size here.
    canvas.setViewport(QRect(0, 0, HeadlessPlotWidth, HeadlessPlotHeight));
    canvas.xAxis->setRange(request.from, request.to);
    canvas.replot();
    const cSamplingPlan plan{request.from, request.to, canvas.Columns(), 0.0};
    cSamplingSession session(PlannedPoints(formulas.size(), plan));
    canvas.SetCurves(SampleCurves(formulas, plan, session));
    canvas.FitYRange();
    for (const std::string& line : session.Reports().PointLines())
        std::fprintf(stderr, "%s\n", line.c_str());
    if (const auto problem = PictureTargetProblem(request.exportFile, request.exportFile)) {
        Print(stderr, *problem + QLatin1Char('\n'));
        return 1;
    }
    if (!ExportPlot(canvas, request.exportFile, HeadlessPlotWidth, HeadlessPlotHeight)) {
        Print(stderr, QStringLiteral("orvane: cannot write the picture %1\n").arg(request.exportFile));
        return 1;
    }
    return 0;
}
