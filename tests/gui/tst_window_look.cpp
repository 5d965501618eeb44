// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows look on other desktops: every text readable on a light and a dark palette, every
// text whole with a wider font than the one the windows were drawn for, and the tool windows opening
// beside the main window on its screen.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "gui_test_support.h"
#include "scene_palette.h"
#include "shared/theme_colors.h"
#include "shared/window_placement.h"

namespace {

QList<QWidget*> AllWindows() {
    return {FMain, FEdit, FConfig, FCredits, FPalettes, FInfoText, FPlot, FProgress};
}

void ShowAll() {
    for (QWidget* window : AllWindows())
        window->show();
    QCoreApplication::processEvents();
}

// A text in one colour over the background its widget is drawn on: captions and labels.
struct cShownText {
    QString what;
    QColor text;
    QColor background;
};

QList<cShownText> TextsOf(QWidget* window) {
    QList<cShownText> texts;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            text = group->title();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                 qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget))
            text = button->text();
        if (text.trimmed().isEmpty()) continue;
        const QPalette& palette = widget->palette();
        texts.append(
            {text, palette.color(widget->foregroundRole()), palette.color(widget->backgroundRole())});
    }
    return texts;
}

}  // namespace

class WindowLookTest : public cWindowTest {
    Q_OBJECT
private slots:
    void cleanup();

    void everyTextReadsOnLightAndDarkPalettes_data();
    void everyTextReadsOnLightAndDarkPalettes();
    void textsFitAWiderFont();
    void toolWindowsOpenBesideTheMainWindow_data();
    void toolWindowsOpenBesideTheMainWindow();
};

void WindowLookTest::cleanup() {
    QApplication::setPalette(QApplication::style()->standardPalette());
    cWindowTest::cleanup();
}

void WindowLookTest::everyTextReadsOnLightAndDarkPalettes_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void WindowLookTest::everyTextReadsOnLightAndDarkPalettes() {
    QFETCH(bool, dark);
    QApplication::setPalette(dark ? DarkDesktopPalette() : QApplication::style()->standardPalette());
    ShowAll();
    // The result grey, as it is when its formula has changed.
    TypeAndCalculate(QStringLiteral("2+3"));
    QTest::keyClicks(FMain->EFormel, "*4");
    for (QWidget* window : AllWindows()) {
        double lowest = 21;
        for (const cShownText& shown : TextsOf(window)) {
            const double contrast = ContrastRatio(shown.text, shown.background);
            lowest = std::min(lowest, contrast);
            QVERIFY2(contrast >= 4.5,
                     qPrintable(QStringLiteral("%1: \"%2\" %3 on %4: %5:1")
                                    .arg(QString::fromLatin1(window->metaObject()->className()), shown.what,
                                         shown.text.name(), shown.background.name())
                                    .arg(contrast, 0, 'f', 2)));
        }
        qInfo("%s: lowest contrast %.2f:1", window->metaObject()->className(), lowest);
    }
    // The curves' names keep colours apart: hues at least 30 degrees from each other.
    QList<int> hues;
    for (QLabel* label : FPlot->findChildren<QLabel*>())
        if (label->text().size() == 2 && label->text().startsWith(QLatin1Char('f')))
            hues.append(label->palette().color(QPalette::WindowText).hsvHue());
    QCOMPARE(hues.size(), 4);
    for (int i = 0; i < hues.size(); ++i)
        for (int j = i + 1; j < hues.size(); ++j) {
            const int apart = std::abs(hues[i] - hues[j]);
            QVERIFY(std::min(apart, 360 - apart) >= 30);
        }
}

// With a wide font: a text's own rectangle stays inside its control, a label's letters run into none
// of the controls beside it, and no tab bar scrolls.
void WindowLookTest::textsFitAWiderFont() {
    QFont wide(QStringLiteral("DejaVu Sans"));
    wide.setPixelSize(13);
    const QList<QWidget*> fixed = {FEdit, FConfig, FCredits, FPalettes, FInfoText};
    for (QWidget* window : fixed) {
        window->setFont(wide);
        // A tab bar with a style sheet keeps the font it was made with.
        for (QTabBar* bar : window->findChildren<QTabBar*>())
            bar->setFont(wide);
        window->show();
        QCoreApplication::processEvents();
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label->wordWrap()) continue;
            // Descenders may touch the field under a caption; the letters may not.
            const QRect text(label->pos(), QSize(label->fontMetrics().horizontalAdvance(label->text()),
                                                 label->fontMetrics().ascent()));
            QVERIFY2(text.width() <= label->width() && text.height() <= label->height(),
                     qPrintable(label->text()));
            for (QWidget* neighbour :
                 label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(neighbour == label || !neighbour->geometry().intersects(text),
                         qPrintable(label->text()));
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                     qPrintable(button->text()));
        for (QGroupBox* group : window->findChildren<QGroupBox*>())
            QVERIFY2(group->fontMetrics().horizontalAdvance(group->title()) < group->width(),
                     qPrintable(group->title()));
        for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
            QVERIFY(tabs->tabBar()->sizeHint().width() <= tabs->width());
        // Shown again, it grows no further.
        const QSize size = window->size();
        window->hide();
        window->show();
        QCOMPARE(window->size(), size);
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
    QTest::newRow("near the right edge: left")
        << QRect(1500, 100, 300, 200) << tool << QList<QRect>{} << QPoint(1242, 100);
    QTest::newRow("near the bottom: raised")
        << QRect(100, 900, 300, 90) << tool << QList<QRect>{} << QPoint(408, 780);
    QTest::newRow("main fills the width: below")
        << QRect(0, 0, 1920, 300) << tool << QList<QRect>{} << QPoint(0, 308);
    QTest::newRow("no room anywhere: on the screen")
        << QRect(0, 0, 1920, 1000) << tool << QList<QRect>{} << QPoint(1670, 0);
    QTest::newRow("taller than the screen: top edge")
        << main << QSize(400, 1200) << QList<QRect>{} << QPoint(408, 0);
}

void WindowLookTest::toolWindowsOpenBesideTheMainWindow() {
    QFETCH(QRect, main);
    QFETCH(QSize, tool);
    QFETCH(QList<QRect>, others);
    QFETCH(QPoint, expected);
    const QRect screen(0, 0, 1920, 1000);
    QCOMPARE(ToolWindowPosition(main, tool, screen, others), expected);
}

QTEST_MAIN(WindowLookTest)
#include "tst_window_look.moc"
