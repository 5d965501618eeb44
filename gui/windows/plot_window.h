// SPDX-License-Identifier: GPL-3.0-or-later
// The plot tool window: up to four formulas in x drawn over an x range, with zoom and pan by mouse
// and keyboard, a cursor readout, the zeros in view, and export as PNG, SVG or PDF. The curves are
// sampled with the main window's variables; long sampling shows one progress display for the whole
// plot and can be stopped.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <vector>

#include "shared/plot_canvas.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TFPlot : public QWidget {
    Q_OBJECT
public:
    TFPlot();

    // Puts the formula into the first field and plots, when it uses x (the main window's formula).
    void OfferFormula(const QString& formula);

    // Commands.
    void BPlotClick();   // reads the formulas and shows them over the x range of the fields
    void BResetClick();  // back to the x range of the fields and the y range chosen
    void BExportClick();
    void BStopClick();
    // Zooms the view about its centre (factor below 1 zooms in) and pans it by parts of its size.
    void ZoomBy(double factor);
    void PanBy(double xParts, double yParts);

    std::array<QLineEdit*, cPlotCanvas::MaxCurves> EFunction;
    QLineEdit* EFrom;
    QLineEdit* ETo;
    QCheckBox* CAutoY;
    QLineEdit* EYFrom;
    QLineEdit* EYTo;
    QPushButton* BPlot;
    QPushButton* BReset;
    QPushButton* BExport;
    QPushButton* BStop;
    cPlotCanvas* Canvas;
    QLabel* LCursor;
    QLabel* LMessages;  // formulas that cannot be plotted, math-library reports, a stopped plot
    QPlainTextEdit* MZeros;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A closed window's plot is of no use: its work stops at once.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildComponents();
    void ConnectCommands();
    void ReadFormulas(QStringList& problems);
    // Sets the view's ranges from the fields; a range that cannot be read leaves its axis as it is.
    void ApplyRanges(QStringList& problems);
    // Samples the curves over the view's x range; fitY sets the automatic y range afterwards.
    void Resample(bool fitY);
    void ViewChanged();
    void ShowCursorValues(QMouseEvent* event);
    void ShowZeros();
    bool EngineBusy() const;

    std::vector<cPlotFormula> formulas_;
    QStringList formulaProblems_;           // since the last Plot
    QStringList rangeProblems_;             // since the last Plot or Reset
    cSamplingSession* sampling_ = nullptr;  // the sampling in progress, to stop it
    QTimer resampleTimer_;                  // sampling after zoom and pan waits for a pause
    bool viewMovedWhileSampling_ = false;
};

extern TFPlot* FPlot;
