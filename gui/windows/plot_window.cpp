// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <utility>

#include "common/result_text.h"
#include "engine/Parser_core.h"
#include "main_window.h"
#include "progress_window.h"
#include "shared/design_names.h"
#include "shared/dialogs.h"
#include "shared/formula_text.h"
#include "shared/message_boxes.h"
#include "shared/plot_export.h"
#include "shared/text_color.h"

TFPlot* FPlot = nullptr;

namespace {

constexpr double ZoomStep = 1.25;
constexpr double PanStep = 0.1;
// Zoom and pan redraw at once with the points in hand; sampling for the new view waits this long
// for the next wheel step or drag.
constexpr int ResampleDelayMs = 150;
constexpr int ZerosWidth = 230;
constexpr int ReadoutDigits = 7;

QString Number(double value) {
    return FromEngineText(ResultText(value, DecimalSeparator));
}

QString ShortNumber(double value) {
    return QString::number(value, 'g', ReadoutDigits)
        .replace(QLatin1Char('.'), QLatin1Char(DecimalSeparator));
}

QString CurveName(int slot) {
    return QStringLiteral("f%1").arg(slot + 1);
}

// A number field: the formula language's numbers, with a sign.
std::optional<double> ReadNumber(const QLineEdit* field, const QString& name, QStringList& problems) {
    const auto number = NumberOfText(field->text().trimmed());
    if (!number) problems << QStringLiteral("%1: not a number").arg(name);
    return number;
}

}  // namespace

TFPlot::TFPlot() : QWidget(nullptr, Qt::Tool) {
    setWindowTitle(QStringLiteral("Plot"));
    resize(780, 540);
    BuildComponents();
    ConnectCommands();
    resampleTimer_.setSingleShot(true);
    resampleTimer_.setInterval(ResampleDelayMs);
    connect(&resampleTimer_, &QTimer::timeout, this, [this] { Resample(false); });
}

void TFPlot::BuildComponents() {
    auto* formulas = new QGridLayout;
    for (int i = 0; i < cPlotCanvas::MaxCurves; ++i) {
        auto* name = new QLabel(CurveName(i), this);
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        SetTextColor(name, cPlotCanvas::CurveColours[i]);
        EFunction[i] = new QLineEdit(this);
        EFunction[i]->setObjectName(QStringLiteral("EFunction%1").arg(i + 1));
        formulas->addWidget(name, i / 2, (i % 2) * 2);
        formulas->addWidget(EFunction[i], i / 2, (i % 2) * 2 + 1);
    }

    EFrom = new QLineEdit(QStringLiteral("-10"), this);
    ETo = new QLineEdit(QStringLiteral("10"), this);
    CAutoY = new QCheckBox(QStringLiteral("automatic"), this);
    CAutoY->setChecked(true);
    EYFrom = new QLineEdit(QStringLiteral("-10"), this);
    EYTo = new QLineEdit(QStringLiteral("10"), this);
    auto* ranges = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             new QLabel(QStringLiteral("x from"), this), EFrom, new QLabel(QStringLiteral("to"), this), ETo,
             new QLabel(QStringLiteral("   y"), this), CAutoY, new QLabel(QStringLiteral("or from"), this),
             EYFrom, new QLabel(QStringLiteral("to"), this), EYTo})
        ranges->addWidget(widget);
    ranges->addStretch();

    BPlot = new QPushButton(QStringLiteral("Plot"), this);
    BPlot->setDefault(true);
    BReset = new QPushButton(QStringLiteral("Reset view"), this);
    BExport = new QPushButton(QStringLiteral("Export..."), this);
    BStop = new QPushButton(QStringLiteral("Stop"), this);
    BStop->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    for (auto* button : {BPlot, BReset, BExport, BStop})
        buttons->addWidget(button);
    buttons->addStretch();

    Canvas = new cPlotCanvas(this);
    MZeros = new QPlainTextEdit(this);
    MZeros->setReadOnly(true);
    MZeros->setFixedWidth(ZerosWidth);
    auto* zeros = new QVBoxLayout;
    zeros->addWidget(new QLabel(QStringLiteral("Zeros in view"), this));
    zeros->addWidget(MZeros, 1);
    auto* drawing = new QHBoxLayout;
    drawing->addWidget(Canvas, 1);
    drawing->addLayout(zeros);

    LCursor = new QLabel(this);
    LMessages = new QLabel(this);
    LMessages->setWordWrap(true);
    LMessages->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formulas);
    layout->addLayout(ranges);
    layout->addLayout(buttons);
    layout->addLayout(drawing, 1);
    layout->addWidget(LCursor);
    layout->addWidget(LMessages);

    SetDesignNames({DESIGN_NAME(EFrom), DESIGN_NAME(ETo), DESIGN_NAME(CAutoY), DESIGN_NAME(EYFrom),
                    DESIGN_NAME(EYTo), DESIGN_NAME(BPlot), DESIGN_NAME(BReset), DESIGN_NAME(BExport),
                    DESIGN_NAME(BStop), DESIGN_NAME(Canvas), DESIGN_NAME(LCursor), DESIGN_NAME(LMessages),
                    DESIGN_NAME(MZeros)});
}

void TFPlot::ConnectCommands() {
    connect(BPlot, &QPushButton::clicked, this, &TFPlot::BPlotClick);
    connect(BReset, &QPushButton::clicked, this, &TFPlot::BResetClick);
    connect(BExport, &QPushButton::clicked, this, &TFPlot::BExportClick);
    connect(BStop, &QPushButton::clicked, this, &TFPlot::BStopClick);
    for (QLineEdit* field : EFunction)
        connect(field, &QLineEdit::returnPressed, this, &TFPlot::BPlotClick);
    for (QLineEdit* field : {EFrom, ETo, EYFrom, EYTo})
        connect(field, &QLineEdit::returnPressed, this, &TFPlot::BPlotClick);
    connect(Canvas->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this, &TFPlot::ViewChanged);
    connect(Canvas->yAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this, &TFPlot::ViewChanged);
    connect(Canvas, &QCustomPlot::mouseMove, this, &TFPlot::ShowCursorValues);
}

void TFPlot::OfferFormula(const QString& formula) {
    const auto text = ToEngineText(formula);
    if (text && FormulaUsesX(*text)) EFunction[0]->setText(formula);
    if (!isVisible()) show();
    raise();
    BPlotClick();
}

void TFPlot::BPlotClick() {
    if (sampling_) return;
    formulaProblems_.clear();
    ReadFormulas(formulaProblems_);
    BResetClick();
}

void TFPlot::BResetClick() {
    if (sampling_) return;
    rangeProblems_.clear();
    ApplyRanges(rangeProblems_);
    Resample(CAutoY->isChecked());
}

void TFPlot::ReadFormulas(QStringList& problems) {
    formulas_.clear();
    for (int i = 0; i < cPlotCanvas::MaxCurves; ++i) {
        const QString text = EFunction[i]->text().trimmed();
        if (text.isEmpty()) continue;
        auto parsed = ParsePlotFormula(text, i, FMain->Calculator().Variables());
        if (auto* problem = std::get_if<QString>(&parsed))
            problems << CurveName(i) + QStringLiteral(": ") + *problem;
        else
            formulas_.push_back(std::move(std::get<cPlotFormula>(parsed)));
    }
}

void TFPlot::ApplyRanges(QStringList& problems) {
    const int before = problems.size();
    const auto from = ReadNumber(EFrom, QStringLiteral("x from"), problems);
    const auto to = ReadNumber(ETo, QStringLiteral("x to"), problems);
    if (from && to && !(*from < *to))
        problems << QStringLiteral("x from must be less than x to");
    else if (from && to && !IsDrawableRange(*from, *to))
        problems << QStringLiteral("x from and x to are too far apart or too close together to draw");
    if (problems.size() == before) Canvas->xAxis->setRange(*from, *to);
    if (CAutoY->isChecked()) return;
    const int beforeY = problems.size();
    const auto yFrom = ReadNumber(EYFrom, QStringLiteral("y from"), problems);
    const auto yTo = ReadNumber(EYTo, QStringLiteral("y to"), problems);
    if (yFrom && yTo && !(*yFrom < *yTo))
        problems << QStringLiteral("y from must be less than y to");
    else if (yFrom && yTo && !IsDrawableRange(*yFrom, *yTo))
        problems << QStringLiteral("y from and y to are too far apart or too close together to draw");
    if (problems.size() == beforeY) Canvas->yAxis->setRange(*yFrom, *yTo);
}

void TFPlot::Resample(bool fitY) {
    if (sampling_) return;
    if (EngineBusy()) {
        resampleTimer_.start();
        return;
    }
    resampleTimer_.stop();
    QStringList messages = formulaProblems_ + rangeProblems_;
    const QCPRange view = Canvas->xAxis->range();
    const cSamplingPlan plan{view.lower, view.upper, Canvas->Columns(),
                             fitY ? 0.0 : Canvas->yAxis->range().size()};
    try {
        cSamplingSession session(PlannedPoints(formulas_.size(), plan));
        const QScopedValueRollback running(sampling_, &session);
        BStop->setEnabled(true);
        auto curves = SampleCurves(formulas_, plan, session);
        BStop->setEnabled(false);
        for (const std::string& line : session.Reports().PointLines())
            messages << FromEngineText(line);
        Canvas->SetCurves(std::move(curves));
    } catch (const cCalculationCancelled&) {
        BStop->setEnabled(false);
        // What is still drawn was sampled for other formulas or another view.
        Canvas->SetCurves({});
        messages << QStringLiteral("plot stopped");
    }
    LCursor->clear();  // its values were read off the curves just replaced
    if (fitY) Canvas->FitYRange();
    Canvas->replot();
    // The y range just set is no new view, but a zoom or pan made while the points were calculated is.
    resampleTimer_.stop();
    if (std::exchange(viewMovedWhileSampling_, false)) resampleTimer_.start();
    LMessages->setText(messages.join(QLatin1Char('\n')));
    ShowZeros();
}

void TFPlot::ViewChanged() {
    if (sampling_)
        viewMovedWhileSampling_ = true;
    else
        resampleTimer_.start();
}

void TFPlot::BExportClick() {
    const auto choice = Dialogs().SaveFile(this, QStringLiteral("Export plot"), PlotPictureFilters());
    if (!choice || choice->path.isEmpty()) return;
    const QString path = WithPictureEnding(choice->path, choice->filterIndex);
    if (const auto problem = PictureTargetProblem(path, QFileInfo(path).fileName())) {
        ShowError(this, *problem);
        return;
    }
    if (!ExportPlot(*Canvas, path, Canvas->width(), Canvas->height()))
        ShowError(this, QStringLiteral("Error: cannot write the picture %1").arg(path));
}

void TFPlot::BStopClick() {
    if (sampling_) sampling_->RequestCancel();
}

void TFPlot::closeEvent(QCloseEvent* event) {
    BStopClick();
    QWidget::closeEvent(event);
}

void TFPlot::ZoomBy(double factor) {
    Canvas->xAxis->scaleRange(factor);
    Canvas->yAxis->scaleRange(factor);
    Canvas->replot();
}

void TFPlot::PanBy(double xParts, double yParts) {
    Canvas->xAxis->moveRange(xParts * Canvas->xAxis->range().size());
    Canvas->yAxis->moveRange(yParts * Canvas->yAxis->range().size());
    Canvas->replot();
}

void TFPlot::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            ZoomBy(1 / ZoomStep);
            break;
        case Qt::Key_Minus:
            ZoomBy(ZoomStep);
            break;
        case Qt::Key_Left:
            PanBy(-PanStep, 0);
            break;
        case Qt::Key_Right:
            PanBy(PanStep, 0);
            break;
        case Qt::Key_Up:
            PanBy(0, PanStep);
            break;
        case Qt::Key_Down:
            PanBy(0, -PanStep);
            break;
        case Qt::Key_Home:
            BResetClick();
            break;
        case Qt::Key_Escape:
            BStopClick();
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void TFPlot::ShowCursorValues(QMouseEvent* event) {
    const double x = Canvas->xAxis->pixelToCoord(event->position().x());
    QString text = QStringLiteral("x = ") + ShortNumber(x);
    for (const cPlottedCurve& plotted : Canvas->Curves()) {
        const auto value = cPlotCanvas::ValueAt(plotted.curve, x);
        text += QStringLiteral("    %1 = %2")
                    .arg(CurveName(plotted.slot), value ? ShortNumber(*value) : QStringLiteral("-"));
    }
    LCursor->setText(text);
}

void TFPlot::ShowZeros() {
    QStringList lines;
    const QCPRange view = Canvas->xAxis->range();
    for (const cPlottedCurve& plotted : Canvas->Curves()) {
        for (const cZero& zero : plotted.curve.zeros)
            if (view.contains(zero.x))
                lines << CurveName(plotted.slot) + QStringLiteral(": x = ") + Number(zero.x);
        if (plotted.curve.moreZeros)
            lines << CurveName(plotted.slot) + QStringLiteral(": more zeros, zoom in");
    }
    MZeros->setPlainText(lines.join(QLatin1Char('\n')));
}

bool TFPlot::EngineBusy() const {
    return !cSamplingSession::NoneActive() || (FProgress && FProgress->isVisible()) ||
           (FMain && !FMain->isEnabled());
}
