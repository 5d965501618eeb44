// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_canvas.h"

#include <algorithm>
#include <cmath>

#include "common/failure_texts.h"
#include "common/plot_range.h"
#include "formula_text.h"

const std::array<QColor, cPlotCanvas::MaxCurves> cPlotCanvas::CurveColours = {
    QColor(0, 90, 200), QColor(210, 40, 40), QColor(0, 140, 60), QColor(150, 60, 180)};

namespace {

constexpr double ZeroMarkSize = 7;

QVector<double> ToVector(const std::vector<double>& values) {
    return QVector<double>(values.begin(), values.end());
}

}  // namespace

bool IsDrawableRange(double low, double high) {
    return low < high && QCPRange::validRange(low, high);
}

cPlotCanvas::cPlotCanvas(QWidget* parent) : QCustomPlot(parent) {
    setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    xAxis->setLabel(QStringLiteral("x"));
    yAxis->setLabel(QStringLiteral("y"));
    // The axes through the origin stand out from the other grid lines.
    const QPen zeroLine(QColor(110, 110, 110), 1);
    xAxis->grid()->setZeroLinePen(zeroLine);
    yAxis->grid()->setZeroLinePen(zeroLine);
    // The dotted grid of width 1 rather than 0, which looks the same but loses its dots in an SVG.
    for (QCPAxis* axis : {xAxis, yAxis}) {
        QPen grid = axis->grid()->pen();
        grid.setWidth(1);
        axis->grid()->setPen(grid);
    }
    legend->setVisible(true);
    axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignLeft);
    setFocusPolicy(Qt::StrongFocus);
}

void cPlotCanvas::SetCurves(std::vector<cPlottedCurve> curves) {
    clearGraphs();
    curves_ = std::move(curves);
    legend->setVisible(!curves_.empty());  // an empty legend is a white box over the curves' place
    for (const cPlottedCurve& plotted : curves_) {
        const QColor colour = CurveColours[static_cast<std::size_t>(plotted.slot) % MaxCurves];
        QCPGraph* line = addGraph();
        line->setName(plotted.name);
        line->setPen(QPen(colour, 2));
        line->setData(ToVector(plotted.curve.x), ToVector(plotted.curve.y), true);
        // Adaptive sampling draws each pixel column as one stroke from its lowest to its highest value,
        // joining the two sides of a pole; the points are few enough to draw them all.
        line->setAdaptiveSampling(false);

        QVector<double> zeroX;
        for (const cZero& zero : plotted.curve.zeros)
            zeroX.append(zero.x);
        QCPGraph* zeros = addGraph();
        zeros->setLineStyle(QCPGraph::lsNone);
        zeros->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(colour, 2), Qt::white, ZeroMarkSize));
        zeros->setData(zeroX, QVector<double>(zeroX.size(), 0.0), true);
        zeros->removeFromLegend();
    }
}

void cPlotCanvas::FitYRange() {
    std::vector<double> values;
    for (const cPlottedCurve& plotted : curves_)
        values.insert(values.end(), plotted.curve.evenValues.begin(), plotted.curve.evenValues.end());
    const cRange range = AutomaticYRange(std::move(values));
    yAxis->setRange(range.low, range.high);
}

int cPlotCanvas::Columns() const {
    return std::max(axisRect()->width(), 1);
}

std::optional<double> cPlotCanvas::ValueAt(const cCurve& curve, double x) {
    const auto after = std::lower_bound(curve.x.begin(), curve.x.end(), x);
    if (after == curve.x.end()) return std::nullopt;
    const auto i = static_cast<std::size_t>(after - curve.x.begin());
    if (curve.x[i] == x) return std::isnan(curve.y[i]) ? std::nullopt : std::optional(curve.y[i]);
    if (i == 0 || std::isnan(curve.y[i]) || std::isnan(curve.y[i - 1])) return std::nullopt;
    const double t = (x - curve.x[i - 1]) / (curve.x[i] - curve.x[i - 1]);
    return curve.y[i - 1] + t * (curve.y[i] - curve.y[i - 1]);
}

std::variant<cPlotFormula, QString> ParsePlotFormula(const QString& text, int slot,
                                                     const double (&variables)[VariableCount]) {
    const auto engineText = ToEngineText(text);
    if (!engineText) return QStringLiteral("parse error: a character the calculator does not know");
    try {
        return cPlotFormula{text, slot, std::make_unique<cFormulaOfX>(*engineText, variables)};
    } catch (const cParseFailure& failure) {
        return QStringLiteral("parse error: ") + FromEngineText(ParseFailureDetail(failure));
    }
}

std::vector<cPlottedCurve> SampleCurves(const std::vector<cPlotFormula>& formulas, const cSamplingPlan& plan,
                                        cSamplingSession& session) {
    std::vector<cPlottedCurve> curves;
    for (const cPlotFormula& formula : formulas)
        curves.push_back({formula.text, formula.slot, SampleCurve(*formula.formula, plan, session)});
    return curves;
}
