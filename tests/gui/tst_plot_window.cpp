// SPDX-License-Identifier: GPL-3.0-or-later
// The plot window: the main window's formula offered, zoom, pan and reset by keyboard and wheel,
// zeros listed, reports counted, export, stopping a long plot; and the pictures orvane --plot
// --export draws without a window.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#ifndef Q_OS_WIN
#include <QSvgRenderer>
#endif
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "declaration_test_support.h"
#include "gui_test_support.h"
#include "shared/command_line.h"
#include "shared/headless_plot.h"
#include "windows/plot_window.h"
#include "windows/progress_handler.h"
#include "windows/progress_window.h"

namespace {

QCPRange XRange() {
    return FPlot->Canvas->xAxis->range();
}

void OpenPlotWith(const QString& formula) {
    FMain->EFormel->setText(formula);
    FMain->Palettes_Plot->trigger();
}

// The rows of a picture's column that are drawn in a curve's colour.
QList<int> RowsInColour(const QImage& image, int column, const QColor& colour) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        const QColor pixel = image.pixelColor(column, y);
        if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                std::abs(pixel.blue() - colour.blue()) <
            60)
            rows.append(y);
    }
    return rows;
}

// The share of a picture's pixels whose colour the other has nowhere within a pixel of the place:
// antialiasing does not count, a line or a letter out of place does.
[[maybe_unused]] double ShareOfUnmatchedPixels(const QImage& a, const QImage& b) {
    int unmatched = 0;
    for (int y = 1; y + 1 < a.height(); ++y)
        for (int x = 1; x + 1 < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            bool matched = false;
            for (int i = 0; i < 9 && !matched; ++i) {
                const QColor q = b.pixelColor(x + i % 3 - 1, y + i / 3 - 1);
                matched = std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                              std::abs(p.blue() - q.blue()) <
                          150;
            }
            unmatched += matched ? 0 : 1;
        }
    return static_cast<double>(unmatched) / (a.width() * a.height());
}

}  // namespace

class PlotWindowTest : public cWindowTest {
    Q_OBJECT
private slots:

    void offersTheFormulaWhenItUsesX();
    void zerosAndProblemsAreListed();
    void keysAndWheelMoveTheViewAndItIsSampledAgain();
    void resetListsARangeProblemOnceUntilItIsMended();
    void exportWritesThePictureTypes();
    void aFailedExportKeepsTheOldPicture_data();
    void aFailedExportKeepsTheOldPicture();
    void stopOrClosingEndsALongPlot();
    void headlessPictureHasTheCurvesWhereTheyBelong();
    void svgLooksAsThePng();
    void plotOptionsOfTheCommandLine_data();
    void plotOptionsOfTheCommandLine();

private:
};

void PlotWindowTest::offersTheFormulaWhenItUsesX() {
    OpenPlotWith(QStringLiteral("x^2-2"));
    QVERIFY(FPlot->isVisible());
    QCOMPARE(FPlot->EFunction[0]->text(), QStringLiteral("x^2-2"));
    QCOMPARE(FPlot->Canvas->Curves().size(), 1u);
    OpenPlotWith(QStringLiteral("2+3"));
    QCOMPARE(FPlot->EFunction[0]->text(), QStringLiteral("x^2-2"));
}

void PlotWindowTest::zerosAndProblemsAreListed() {
    QVERIFY(DeclareFunctions({{"half(t)=t/2", ""}}));
    FPlot->EFunction[1]->setText(QStringLiteral("sqrt(x)+foo(x)"));
    FPlot->EFunction[2]->setText(QStringLiteral("sqrt(half(x))-a"));
    FMain->MainTree()->SetVariable('a', 1);  // the other variables as the main window holds them
    OpenPlotWith(QStringLiteral("x^2-2"));
    // Bisection on a bracket about a column wide gives 14 digits or more, as solve does on it.
    const QRegularExpression zeros(
        QStringLiteral("f1: x = -1.414213562373\\d*\nf1: x = 1.414213562373\\d*\nf3: x = 2"));
    QVERIFY2(zeros.match(FPlot->MZeros->toPlainText()).hasMatch(), qPrintable(FPlot->MZeros->toPlainText()));
    const QString messages = FPlot->LMessages->text();
    QVERIFY2(messages.startsWith(QStringLiteral("f2: parse error: unknown function \"foo\"")),
             qPrintable(messages));
    QVERIFY2(messages.contains(QRegularExpression(QStringLiteral("\nsqrt: DOMAIN error at \\d+ points$"))),
             qPrintable(messages));
    QVERIFY(program_->dialogs.messages.isEmpty());
}

void PlotWindowTest::keysAndWheelMoveTheViewAndItIsSampledAgain() {
    OpenPlotWith(QStringLiteral("x"));
    FPlot->Canvas->setFocus();
    QTest::keyClick(FPlot->Canvas, Qt::Key_Plus);
    QCOMPARE(XRange().size(), 16.0);
    QTest::keyClick(FPlot->Canvas, Qt::Key_Right);
    QCOMPARE(XRange().lower, -6.4);
    QTRY_COMPARE(FPlot->Canvas->Curves().front().curve.x.front(), -6.4);
    QTest::keyClick(FPlot->Canvas, Qt::Key_Minus);
    QCOMPARE(XRange().size(), 20.0);

    const QPointF centre = FPlot->Canvas->axisRect()->rect().center();
    QWheelEvent wheel(centre, FPlot->Canvas->mapToGlobal(centre), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(FPlot->Canvas, &wheel);
    QVERIFY(XRange().size() < 20.0);

    QTest::keyClick(FPlot->Canvas, Qt::Key_Home);
    QCOMPARE(XRange().lower, -10.0);
    QCOMPARE(XRange().upper, 10.0);
    QCOMPARE(FPlot->Canvas->yAxis->range().upper, 11.0);  // automatic: y = x widened a twentieth

    FPlot->CAutoY->setChecked(false);
    FPlot->EYTo->setText(QStringLiteral("3"));
    QTest::keyClick(FPlot->Canvas, Qt::Key_Home);
    QCOMPARE(FPlot->Canvas->yAxis->range(), QCPRange(-10, 3));
}

void PlotWindowTest::resetListsARangeProblemOnceUntilItIsMended() {
    OpenPlotWith(QStringLiteral("x"));
    FPlot->ETo->setText(QStringLiteral("-20"));
    FPlot->BReset->click();
    FPlot->BReset->click();
    QCOMPARE(FPlot->LMessages->text(), QStringLiteral("x from must be less than x to"));
    FPlot->ETo->setText(QStringLiteral("1e300"));
    FPlot->BReset->click();
    QCOMPARE(FPlot->LMessages->text(),
             QStringLiteral("x from and x to are too far apart or too close together to draw"));
    FPlot->ETo->setText(QStringLiteral("10"));
    FPlot->BReset->click();
    QCOMPARE(FPlot->LMessages->text(), QString());
}

void PlotWindowTest::exportWritesThePictureTypes() {
    OpenPlotWith(QStringLiteral("sin(x*10)"));
    QTemporaryDir folder;
#ifdef Q_OS_WIN
    const auto names = {"plot.png", "plot.pdf"};  // no Qt Svg in the Windows program's Qt
#else
    const auto names = {"plot.png", "plot.svg", "plot.pdf"};
#endif
    for (int type = 0; type < static_cast<int>(names.size()); ++type) {
        program_->dialogs.fileAnswers.push_back({folder.filePath(QStringLiteral("plot")), type});
        FPlot->BExport->click();
    }
    for (const char* name : names)
        QVERIFY2(QFileInfo(folder.filePath(QLatin1String(name))).size() > 1000, name);
    QVERIFY(program_->dialogs.messages.isEmpty());
}

void PlotWindowTest::aFailedExportKeepsTheOldPicture_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readOnly");  // else the disk is full
    QTest::newRow("PNG, full disk") << "keep.png" << false;
#ifndef Q_OS_WIN
    QTest::newRow("SVG, full disk") << "keep.svg" << false;
#endif
    QTest::newRow("PDF, full disk") << "keep.pdf" << false;
    QTest::newRow("read-only") << "keep.png" << true;
}

// From the window and from orvane --plot ... --export: the old file stays, no temporary file is left,
// and the failure is said.
void PlotWindowTest::aFailedExportKeepsTheOldPicture() {
    QFETCH(QString, name);
    QFETCH(bool, readOnly);
    if (!readOnly) SKIP_WITHOUT_FULL_DISK();
    OpenPlotWith(QStringLiteral("sin(x*10)"));
    QTemporaryDir folder;
    QFile old(folder.filePath(name));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    if (readOnly) QVERIFY(old.setPermissions(QFile::ReadOwner));
    {
        std::optional<cFileSizeLimit> diskFull;
        if (!readOnly) diskFull.emplace(512);
        program_->dialogs.fileAnswers.push_back({old.fileName(), 0});
        FPlot->BExport->click();
        QCOMPARE(RunHeadlessPlot({{QStringLiteral("x")}, -10, 10, old.fileName()}), 1);
    }
    QCOMPARE(program_->dialogs.MessageTexts(),
             QStringList{readOnly ? "Error: The file \"" + name +
                                        "\" could not be written: it is read-only. Nothing has been changed."
                                  : "Error: cannot write the picture " + old.fileName()});
    QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "old");
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{name});
}

// Stop, and closing the window, end a long plot at once: the progress window goes and the main window
// takes input again. Closing once left the work running until Cancel.
void PlotWindowTest::stopOrClosingEndsALongPlot() {
    for (const bool closing : {false, true}) {
        OpenPlotWith(QStringLiteral("x"));
        FPlot->LCursor->setText(QStringLiteral("x = 1   f1 = 1"));
        {
            const cDuringWork stop([closing] {
                if (closing)
                    FPlot->close();
                else
                    FPlot->BStop->click();
            });
            OpenPlotWith(QStringLiteral("integral('t';0;x;integral('s';0;t;sin(s)))"));
        }
        QCOMPARE(FPlot->LMessages->text(), QStringLiteral("plot stopped"));
        QVERIFY(FPlot->Canvas->Curves().empty());  // the earlier curve, legend and readout go too
        QVERIFY(!FPlot->Canvas->legend->visible());
        QCOMPARE(FPlot->LCursor->text(), QString());
        QVERIFY(!FProgress->isVisible());
        QVERIFY(FMain->isEnabled());
    }
}

void PlotWindowTest::headlessPictureHasTheCurvesWhereTheyBelong() {
    QTemporaryDir folder;
    const QString diagonal = folder.filePath(QStringLiteral("diagonal.png"));
    const QString pole = folder.filePath(QStringLiteral("pole.png"));
    QCOMPARE(RunHeadlessPlot({{QStringLiteral("x")}, -10, 10, diagonal}), 0);
    QCOMPARE(RunHeadlessPlot({{QStringLiteral("1/x")}, -1, 1, pole}), 0);

    const QColor blue = cPlotCanvas::CurveColours[0];
    const QImage rising(diagonal);
    QCOMPARE(rising.size(), QSize(HeadlessPlotWidth, HeadlessPlotHeight));
    const QList<int> left = RowsInColour(rising, HeadlessPlotWidth / 4, blue);
    const QList<int> right = RowsInColour(rising, HeadlessPlotWidth * 3 / 4, blue);
    QVERIFY(!left.isEmpty() && !right.isEmpty());
    QVERIFY(left.front() > right.back() + HeadlessPlotHeight / 4);  // lower on the left: y = x rises

    // Around the pole each side runs off the picture, but nothing joins them.
    const QImage hyperbola(pole);
    int inMiddle = 0;
    for (int column = HeadlessPlotWidth / 2 - 20; column < HeadlessPlotWidth / 2 + 20; ++column)
        inMiddle = std::max<int>(inMiddle, RowsInColour(hyperbola, column, blue).size());
    QVERIFY(inMiddle > 0);
    QVERIFY2(inMiddle < HeadlessPlotHeight / 2, qPrintable(QString::number(inMiddle)));
}

// A pole sends the curve far beyond the view, which the SVG must cut as the PNG's painter does; the
// axes' numbers and the legend must have the PNG's sizes and places.
void PlotWindowTest::svgLooksAsThePng() {
#ifdef Q_OS_WIN
    QSKIP("the Windows program writes no SVG: its Qt has no Qt Svg");
#else
    QTemporaryDir folder;
    const QStringList formulas = {QStringLiteral("1/(x-2)"), QStringLiteral("x^3/20-x")};
    const QString png = folder.filePath(QStringLiteral("plot.png"));
    const QString svg = folder.filePath(QStringLiteral("plot.svg"));
    QCOMPARE(RunHeadlessPlot({formulas, -6, 6, png}), 0);
    QCOMPARE(RunHeadlessPlot({formulas, -6, 6, svg}), 0);
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QImage drawn(HeadlessPlotWidth, HeadlessPlotHeight, QImage::Format_ARGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    renderer.render(&painter, QRectF(0, 0, HeadlessPlotWidth, HeadlessPlotHeight));
    painter.end();
    const QImage exported = QImage(png).convertToFormat(QImage::Format_ARGB32);
    for (const double share :
         {ShareOfUnmatchedPixels(exported, drawn), ShareOfUnmatchedPixels(drawn, exported)})
        QVERIFY2(share < 0.0005, qPrintable(QString::number(share)));
#endif
}

void PlotWindowTest::plotOptionsOfTheCommandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("formulas");
    QTest::newRow("two formulas and a range")
        << QStringList{"--plot", "x", "--plot", "x^2", "--from", "-1", "--to", "2", "--export", "a.svg"}
        << true << 2;
    QTest::newRow("no picture named") << QStringList{"--plot", "x"} << false << 0;
    QTest::newRow("a range without formula") << QStringList{"--from", "1", "--export", "a.png"} << false << 0;
    QTest::newRow("range reversed") << QStringList{"--plot", "x", "--from",   "2",
                                                   "--to",   "1", "--export", "a.png"}
                                    << false << 0;
    QTest::newRow("five formulas") << QStringList{"--plot", "1", "--plot", "2", "--plot",   "3",
                                                  "--plot", "4", "--plot", "5", "--export", "a.png"}
                                   << false << 0;
    QTest::newRow("range too wide to draw")
        << QStringList{"--plot", "x", "--from", "-1e308", "--to", "1e308", "--export", "a.png"} << false << 0;
    QTest::newRow("range too narrow to draw")
        << QStringList{"--plot", "x", "--from", "0", "--to", "1e-320", "--export", "a.png"} << false << 0;
    QTest::newRow("bound not a number")
        << QStringList{"--plot", "x", "--to", "ten", "--export", "a.png"} << false << 0;
}

void PlotWindowTest::plotOptionsOfTheCommandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, accepted);
    QFETCH(int, formulas);
    arguments.prepend(QStringLiteral("orvane"));
    QCOMPARE(!CheckStartArguments(arguments).has_value(), accepted);
    const auto request = PlotRequestOf(arguments);
    QCOMPARE(request.has_value(), accepted);
    if (accepted) QCOMPARE(request->formulas.size(), formulas);
}

QTEST_MAIN(PlotWindowTest)
#include "tst_plot_window.moc"
