// SPDX-License-Identifier: GPL-3.0-or-later
// The progress handler and window: what each report shows, when it is drawn, and how the main window
// is blocked meanwhile.
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "declaration_test_support.h"
#include "gui_test_support.h"

namespace {

QString Label(int line) {
    return FProgress->LStat[line]->text();
}
int Bar(int line) {
    return FProgress->PStat[line]->value();
}

}  // namespace

class ProgressTest : public cWindowTest {
    Q_OBJECT
private slots:

    void firstReportBlocksAndTheWindowShowsInTheNextSecond();
    void report_data();
    void report();
    void endCallWhileHiddenDoesNothing();
    void lineAboveThreeChangesNothing();
    void endCallHidesAndEnablesTheMainWindow();
    void modalWindowKeepsTheMainWindowBlockedUntilItCloses();
    void calculationShowsProgressAndBlocksTheMainWindow();
    void cancelStopsTheWork_data();
    void cancelStopsTheWork();
    void callsFiveDeepLetEventsThroughAndCanBeCancelled();
    void longestTextsFit();

private:
};

void ProgressTest::firstReportBlocksAndTheWindowShowsInTheNextSecond() {
    cFakeClock clock;
    ProgressHandler(0, 1, 250, 0);
    QVERIFY(!FMain->isEnabled());
    // Work that ends within its first wall-clock second never makes the window flash.
    QVERIFY(!FProgress->isVisible());

    ProgressHandler(0, 1, 250, 17);
    QVERIFY(!FProgress->isVisible());
    QCOMPARE(FProgress->Lines.LineText(0), "calculating (17/250)");
    QCOMPARE(FProgress->Lines.LinePercent(0), 6u);

    ++cFakeClock::now;
    ProgressHandler(0, 1, 250, 18);
    QVERIFY(FProgress->isVisible());
    QCOMPARE(Label(0), QStringLiteral("calculating (18/250)"));
    QCOMPARE(Bar(0), 7);
    for (int line = 1; line < 4; ++line)
        QCOMPARE(Label(line), QStringLiteral("idle"));
}

void ProgressTest::report_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<uint>("activity");
    QTest::addColumn<uint>("total");
    QTest::addColumn<uint>("done");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bar");
    QTest::newRow("interpreting, all done") << 2 << 4u << 3u << 3u << "interpreting (3/3)" << 100;
    QTest::newRow("idle shows no counts") << 1 << 0u << 7u << 3u << "idle" << 42;
    QTest::newRow("saving") << 0 << 2u << 10u << 5u << "saving to file (5/10)" << 50;
    QTest::newRow("loading") << 3 << 3u << 4u << 1u << "loading from file (1/4)" << 25;
    QTest::newRow("unknown activity has no name") << 0 << 9u << 10u << 5u << " (5/10)" << 50;
    QTest::newRow("large counts do not wrap")
        << 0 << 1u << 200000000u << 100000000u << "calculating (100000000/200000000)" << 50;
    QTest::newRow("total 0 gives an empty bar") << 0 << 1u << 0u << 5u << "calculating (5/0)" << 0;
    QTest::newRow("more done than estimated fills the bar")
        << 0 << 1u << 10u << 15u << "calculating (15/10)" << 100;
}

void ProgressTest::report() {
    QFETCH(int, line);
    QFETCH(uint, activity);
    QFETCH(uint, total);
    QFETCH(uint, done);
    QFETCH(QString, text);
    QFETCH(int, bar);
    cFakeClock clock(true);
    ProgressHandler(static_cast<std::uint16_t>(line), activity, total, done);
    QVERIFY(FProgress->isVisible());
    QCOMPARE(Label(line), text);
    if (activity != 0) QCOMPARE(Bar(line), bar);
    for (int other = 0; other < 4; ++other)
        if (other != line) QCOMPARE(Label(other), QStringLiteral("idle"));
}

void ProgressTest::endCallWhileHiddenDoesNothing() {
    ProgressHandler(0, 0, 0, 0);
    QVERIFY(!FProgress->isVisible());
    QVERIFY(FMain->isEnabled());
}

void ProgressTest::lineAboveThreeChangesNothing() {
    ProgressHandler(4, 1, 10, 5);
    QVERIFY(!FProgress->isVisible());
    QVERIFY(FMain->isEnabled());
}

void ProgressTest::endCallHidesAndEnablesTheMainWindow() {
    cFakeClock clock(true);
    ProgressHandler(1, 0, 0, 0);
    QVERIFY(FProgress->isVisible());
    QVERIFY(!FProgress->close());  // the user cannot close it while the work goes on
    ProgressHandler(1, 0, 0, 0);
    ProgressHandler(0, 0, 0, 0);
    QVERIFY(!FProgress->isVisible());
    QVERIFY(FMain->isEnabled());
    // The next display starts from idle lines again.
    ProgressHandler(2, 1, 4, 2);
    QCOMPARE(Label(0), QStringLiteral("idle"));
    QCOMPARE(Label(1), QStringLiteral("idle"));
    ProgressHandler(0, 0, 0, 0);
}

void ProgressTest::modalWindowKeepsTheMainWindowBlockedUntilItCloses() {
    cFakeClock clock;
    QDialog editor;  // stands for the declaration editor after a failed commit
    editor.setWindowModality(Qt::ApplicationModal);
    program_->watchdog.LeaveOpen(&editor);
    editor.show();
    ProgressHandler(0, 4, 3, 1);
    ProgressHandler(0, 0, 0, 0);
    QVERIFY(!FProgress->isVisible());
    QVERIFY(!FMain->isEnabled());
    editor.hide();
    QTRY_VERIFY(FMain->isEnabled());
}

void ProgressTest::calculationShowsProgressAndBlocksTheMainWindow() {
    cFakeClock clock(true);  // a new second at every reading: every report draws and runs events
    bool sawProgress = false;
    bool mainWasEnabled = true;
    bool closed = true;
    QTimer::singleShot(0, FMain, [&] {
        sawProgress = FProgress->isVisible();
        mainWasEnabled = FMain->isEnabled();
        // Neither a second calculation, nor another command, nor closing the window may reach the
        // engine or the window meanwhile.
        QTest::keyClick(FMain->EFormel, Qt::Key_F2);
        FMain->Edit_Calculate->trigger();
        QTest::keyClick(FMain->EFormel, Qt::Key_Delete);
        QTest::keySequence(FMain, QKeySequence("Ctrl+Alt+V"));
        closed = FMain->close();
    });
    FMain->EFormel->setText("sum('i';1;2000;i)");
    QTest::keyClick(FMain->EFormel, Qt::Key_F2);
    QVERIFY(sawProgress);
    QVERIFY(!mainWasEnabled);
    QVERIFY(!closed);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("2001000"));
    QCOMPARE(FMain->EFormel->text(), QStringLiteral("sum('i';1;2000;i)"));
    QVERIFY(!FPalettes->isVisible());
    QVERIFY(program_->dialogs.messages.isEmpty());
    QVERIFY(!FProgress->isVisible());
    QVERIFY(FMain->isEnabled());
    QVERIFY(FMain->BCalculate->isEnabled());
}

void ProgressTest::cancelStopsTheWork_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<QString>("lineWhenCancelled");
    QTest::newRow("a long sum, Cancel") << "sum('i';1;2000000000;i)" << false << "calculating (0/2000000004)";
    // Counting the outer sum's work evaluates its bound without reports, before the first one.
    QTest::newRow("a quiet stretch, Esc") << "sum('i';1;sum('j';1;2000000000;j);i)" << true << "idle";
}

void ProgressTest::cancelStopsTheWork() {
    QFETCH(QString, formula);
    QFETCH(bool, escape);
    QFETCH(QString, lineWhenCancelled);
    QString line;
    {
        const cDuringWork cancel([&] {
            line = QString::fromStdString(FProgress->Lines.LineText(0));
            escape ? QTest::keyClick(FProgress, Qt::Key_Escape) : ClickCancel();
        });
        TypeAndCalculate(formula);
    }
    QCOMPARE(line, lineWhenCancelled);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("<ERROR>"));
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{"calculation cancelled"});
    QVERIFY(!FProgress->isVisible());
    QVERIFY(FMain->isEnabled());
    TypeAndCalculate("6*7");
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("42"));
}

// Lines above 3 are not shown, but the work on them still lets events through and can be cancelled.
void ProgressTest::callsFiveDeepLetEventsThroughAndCanBeCancelled() {
    QVERIFY(DeclareFunctions({{"fe(x)=sum('i';1;x;i)", ""},
                              {"fd(x)=fe(x)", ""},
                              {"fc(x)=fd(x)", ""},
                              {"fb(x)=fc(x)", ""},
                              {"fa(x)=fb(x)", ""}}));
    const cParseTree& deepest = *UserFunctions[0].tree;
    int eventsWhileDeep = 0;
    QTimer events;
    connect(&events, &QTimer::timeout, [&] {
        const bool deep =
            deepest.progressLine == 5 && deepest.workDone > 0 && deepest.workDone < deepest.workTotal;
        if (deep && ++eventsWhileDeep == 3) ClickCancel();
    });
    events.start(0);
    const cFakeClock clock(true);
    TypeAndCalculate("fa(100000000)");
    QVERIFY(eventsWhileDeep >= 3);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("<ERROR>"));
    QCOMPARE(FProgress->Lines.LineText(0), "calculating (1/2)");
}

void ProgressTest::longestTextsFit() {
    const cFakeClock clock(true);
    for (std::uint16_t line = 0; line < 4; ++line)
        ProgressHandler(line, ActivityCalculating + line, 4294967295u, 4294967295u);
    for (int line = 0; line < 4; ++line) {
        const QLabel* label = FProgress->LStat[line];
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 qPrintable(label->text()));
        QVERIFY(label->geometry().right() < FProgress->PStat[line]->geometry().left());
        QVERIFY(FProgress->StatusBox->rect().contains(FProgress->PStat[line]->geometry()));
    }
    QVERIFY(FProgress->rect().contains(FProgress->StatusBox->geometry()));
    QVERIFY(FProgress->rect().contains(FProgress->BCancel->geometry()));
    ProgressHandler(0, 0, 0, 0);
}

QTEST_MAIN(ProgressTest)
#include "tst_progress.moc"
