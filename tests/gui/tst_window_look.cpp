// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows look on other desktops: every text readable on a light and a dark palette, every
// text whole with a wider font than the windows were drawn for, tool windows beside the main window.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "gui_test_support.h"
#include "scene_palette.h"
#include "shared/theme_colors.h"
#include "shared/window_placement.h"

namespace {

// The text a label, group box, button or field shows.
QString TextOf(const QWidget* widget) {
    return widget->property(widget->inherits("QGroupBox") ? "title" : "text").toString();
}

}  // namespace

class WindowLookTest : public cWindowTest {
    Q_OBJECT
private slots:
    void cleanup() {
        QApplication::setPalette(QApplication::style()->standardPalette());
        cWindowTest::cleanup();
    }
    void everyTextReadsOnLightAndDarkPalettes_data();
    void everyTextReadsOnLightAndDarkPalettes();
    void textsFitAWiderFont();
    void toolWindowsOpenBesideTheMainWindow_data();
    void toolWindowsOpenBesideTheMainWindow();
};

void WindowLookTest::everyTextReadsOnLightAndDarkPalettes_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void WindowLookTest::everyTextReadsOnLightAndDarkPalettes() {
    QFETCH(bool, dark);
    QApplication::setPalette(dark ? DarkDesktopPalette() : QApplication::style()->standardPalette());
    const QList<QWidget*> windows = {FMain,     FEdit, FConfig,   FCredits, FPalettes,
                                     FInfoText, FPlot, FProgress, FHistory};
    for (QWidget* window : windows)
        window->show();
    QCoreApplication::processEvents();  // the palette reaches the widgets through posted events
    TypeAndCalculate(QStringLiteral("2+3"));
    QTest::keyClicks(FMain->EFormel, "*4");  // the result grey
    for (QWidget* window : windows) {
        double lowest = 21;
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            // A disabled control's text is dim on purpose.
            if (!widget->isVisibleTo(window) || !widget->isEnabled() || TextOf(widget).trimmed().isEmpty())
                continue;
            const QColor text = widget->palette().color(widget->foregroundRole());
            const QColor background = widget->palette().color(widget->backgroundRole());
            lowest = std::min(lowest, ContrastRatio(text, background));
            QVERIFY2(lowest >= 4.5, qPrintable(TextOf(widget) + QLatin1Char(' ') + text.name()));
        }
        qInfo("%s: lowest contrast %.2f:1", window->metaObject()->className(), lowest);
    }
    // The curves' names keep their colours apart: hues at least 30 degrees from each other.
    QList<int> hues;
    for (const QLabel* label : FPlot->findChildren<QLabel*>())
        if (QStringList{"f1", "f2", "f3", "f4"}.contains(label->text()))
            hues.append(label->palette().color(QPalette::WindowText).hsvHue());
    QCOMPARE(hues.size(), 4);
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            QVERIFY(std::min(std::abs(hues[i] - hues[j]), 360 - std::abs(hues[i] - hues[j])) >= 30);
}

// Each text inside its control, no label's letters over a control beside it, no tab bar scrolling.
void WindowLookTest::textsFitAWiderFont() {
    QFont wide(QStringLiteral("DejaVu Sans"));
    wide.setPixelSize(13);
    for (QWidget* window : QList<QWidget*>{FEdit, FConfig, FCredits, FPalettes, FInfoText}) {
        window->setFont(wide);
        for (QTabBar* bar : window->findChildren<QTabBar*>())
            bar->setFont(wide);  // a tab bar with a style sheet keeps the font it was made with
        window->show();
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(control);
            if (TextOf(control).isEmpty() || (label && label->wordWrap())) continue;
            const QFontMetrics metrics = control->fontMetrics();
            QVERIFY2(metrics.horizontalAdvance(TextOf(control)) <= control->width(),
                     qPrintable(TextOf(control)));
            if (!label) continue;
            const QRect letters(label->pos(),
                                QSize(metrics.horizontalAdvance(label->text()), metrics.ascent()));
            QVERIFY(letters.height() <= label->height());
            for (const QWidget* beside :
                 label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(beside == label || !beside->geometry().intersects(letters),
                         qPrintable(label->text()));
        }
        for (const QTabWidget* tabs : window->findChildren<QTabWidget*>())
            QVERIFY(tabs->tabBar()->sizeHint().width() <= tabs->width());
        const QSize grown = window->size();
        window->hide();
        window->show();
        QCOMPARE(window->size(), grown);  // shown again, it grows no further
    }
    QVERIFY(FConfig->width() > 255 && FPalettes->width() > 243);
}

void WindowLookTest::toolWindowsOpenBesideTheMainWindow_data() {
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("tool");
    QTest::addColumn<QList<QRect>>("others");
    QTest::addColumn<QPoint>("expected");
    const QRect main(100, 100, 300, 200);
    const QSize tool(250, 220);
    QTest::newRow("right") << main << tool << QList<QRect>{} << QPoint(408, 100);
    QTest::newRow("right taken: left")
        << QRect(600, 100, 300, 200) << tool << QList<QRect>{QRect(908, 100, 250, 220)} << QPoint(342, 100);
    QTest::newRow("right taken, no room left: below")
        << main << tool << QList<QRect>{QRect(408, 100, 250, 220)} << QPoint(100, 308);
    QTest::newRow("near the bottom: raised")
        << QRect(100, 900, 300, 90) << tool << QList<QRect>{} << QPoint(408, 780);
    QTest::newRow("no side has room: covering the least")
        << QRect(1000, 300, 900, 400) << QSize(1000, 500) << QList<QRect>{} << QPoint(0, 300);
}

void WindowLookTest::toolWindowsOpenBesideTheMainWindow() {
    QFETCH(QRect, main);
    QFETCH(QSize, tool);
    QFETCH(QList<QRect>, others);
    QFETCH(QPoint, expected);
    QCOMPARE(ToolWindowPosition(main, tool, QRect(0, 0, 1920, 1000), others), expected);
}

QTEST_MAIN(WindowLookTest)
#include "tst_window_look.moc"
