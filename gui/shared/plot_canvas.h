// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of a plot: up to four sampled curves in their colours with a legend, their zeros
// marked, a grid and labelled axes (QCustomPlot). It holds the curves it shows and answers their
// values for the cursor readout; the sampling itself is done elsewhere (common/curve_sampling.h).
#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include <qcustomplot.h>
#include "common/curve_sampling.h"

struct cPlottedCurve {
    QString name;  // the formula, shown in the legend
    int slot = 0;  // 0 to 3: the formula field the curve comes from, and so its colour
    cCurve curve;
};

// Whether an axis can show low to high: the plot refuses ranges beyond about 1E250 or narrower than
// about 1E-280 and would silently keep the old one.
bool IsDrawableRange(double low, double high);

class cPlotCanvas : public QCustomPlot {
    Q_OBJECT
public:
    static constexpr int MaxCurves = 4;
    static const std::array<QColor, MaxCurves> CurveColours;

    explicit cPlotCanvas(QWidget* parent = nullptr);

    // Replaces the curves shown; the view's ranges stay as they are. The caller redraws, once the y range
    // is set.
    void SetCurves(std::vector<cPlottedCurve> curves);
    const std::vector<cPlottedCurve>& Curves() const { return curves_; }

    // Sets the y range to fit the bulk of the curves' values (plot_range.h).
    void FitYRange();
    // The width of the drawing area in pixels: the number of columns to sample.
    int Columns() const;
    // A curve's value at x, read between its two neighbouring points; nothing in a gap or across a
    // break.
    static std::optional<double> ValueAt(const cCurve& curve, double x);

private:
    std::vector<cPlottedCurve> curves_;
};

// A formula to plot, parsed, with the field it comes from.
struct cPlotFormula {
    QString text;
    int slot = 0;
    std::unique_ptr<cFormulaOfX> formula;
};

// Parses a formula with the given values of the other variables; a formula that cannot be plotted
// answers why instead ("parse error: unknown function "foo" at character 4").
std::variant<cPlotFormula, QString> ParsePlotFormula(const QString& text, int slot,
                                                     const double (&variables)[VariableCount]);

// All curves of one plot in one session: one progress display and one count of math-library reports
// for the whole plot. Raises cCalculationCancelled when the work is cancelled.
std::vector<cPlottedCurve> SampleCurves(const std::vector<cPlotFormula>& formulas, const cSamplingPlan& plan,
                                        cSamplingSession& session);
