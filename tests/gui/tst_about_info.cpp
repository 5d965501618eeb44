// SPDX-License-Identifier: GPL-3.0-or-later
// The about box and the info text window.
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>

#include "declaration_test_support.h"
#include "gui_test_support.h"
#include "shared/app_icon.h"
#include "windows/credits_window.h"
#include "windows/info_window.h"

class AboutInfoTest : public cWindowTest {
    Q_OBJECT
private slots:

    void aboutBoxShowsTheIconEveryTime();
    void windowIconIsTheDesignDrawnAtEachSize();
    void infoTextShowsCallersCaptionAndText_data();
    void infoTextShowsCallersCaptionAndText();

private:
};

void AboutInfoTest::aboutBoxShowsTheIconEveryTime() {
    const QImage icon = ApplicationIconPixmap().toImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    for (int round = 0; round < 2; ++round) {
        FCredits->open();
        QCOMPARE(FCredits->IIcon->pixmap().toImage(), icon);
        QVERIFY(FCredits->ILogo->pixmap().isNull());
        QCOMPARE(FCredits->Label2->text(), QStringLiteral("Version: 2.1.1, Mai 2003"));
        QTest::mouseClick(FCredits->BOk, Qt::LeftButton);
        QVERIFY(!FCredits->isVisible());
    }
}

// Drawn anew at each size and sharp: at whole multiples of the design size every pixel of the design
// becomes a square, and between them no pixel is a blend of two colours.
void AboutInfoTest::windowIconIsTheDesignDrawnAtEachSize() {
    const QImage design = ApplicationIconPixmap().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < design.height(); ++y)
        for (int x = 0; x < design.width(); ++x)
            colours.insert(design.pixel(x, y));
    for (const int side : {40, 48, 64, 256}) {
        const QImage drawn = ApplicationIcon().pixmap(side, side).toImage().convertToFormat(design.format());
        QCOMPARE(drawn.size(), QSize(side, side));
        if (side % design.width() == 0)
            QCOMPARE(drawn, design.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                QVERIFY2(colours.contains(drawn.pixel(x, y)),
                         qPrintable(QStringLiteral("%1 x %1").arg(side)));
    }
}

void AboutInfoTest::infoTextShowsCallersCaptionAndText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("long") << QStringList(QVector<QString>(40, "a line of the description")).join('\n')
                          << true;
}

void AboutInfoTest::infoTextShowsCallersCaptionAndText() {
    QFETCH(QString, text);
    QFETCH(bool, scrolls);
    QString caption;
    QString shown;
    bool scrollBar = false;
    program_->watchdog.Expect(FInfoText);
    const cWhileShown look(FInfoText, FInfoText->BOk, [&] {
        caption = FInfoText->windowTitle();
        shown = FInfoText->MInfoText->toPlainText();
        scrollBar = FInfoText->MInfoText->verticalScrollBar()->maximum() > 0;
    });
    ShowInfoText(FInfoText, QStringLiteral("Constant description"), text);
    QCOMPARE(look.Shown(), 1);
    QCOMPARE(caption, QStringLiteral("Constant description"));
    QCOMPARE(shown, text);
    QCOMPARE(scrollBar, scrolls);
    QVERIFY(!FInfoText->isVisible());
}

QTEST_MAIN(AboutInfoTest)
#include "tst_about_info.moc"
