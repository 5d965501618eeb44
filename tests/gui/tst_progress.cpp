// The progress handler and window: what each report shows, when it is drawn, and how the main window
// is blocked meanwhile.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "gui_test_support.h"
#include "progress_handler.h"

namespace {

// A wall clock that stands still until the test moves it, or moves on every reading.
class cFakeClock {
public:
    explicit cFakeClock(bool ticking = false) : previous_(ProgressClock) {
        now = 1000;
        ticking_ = ticking;
        ProgressClock = [] { return ticking_ ? now++ : now; };
    }
    ~cFakeClock() { ProgressClock = previous_; }
    cFakeClock(const cFakeClock&) = delete;
    cFakeClock& operator=(const cFakeClock&) = delete;

    static inline std::int32_t now = 0;

private:
    static inline bool ticking_ = false;
    tProgressClock previous_;
};

QString Label(int line) {
    return FProgress->LStat[line]->text();
}
int Bar(int line) {
    return FProgress->PStat[line]->value();
}

}  // namespace

class ProgressTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstReportShowsAndDrawsLaterOnesWaitForTheNextSecond();
    void report_data();
    void report();
    void endCallWhileHiddenDoesNothing();
    void lineAboveThreeChangesNothing();
    void endCallHidesAndEnablesTheMainWindow();
    void modalWindowKeepsTheMainWindowBlockedUntilItCloses();
    void calculationShowsProgressAndBlocksTheMainWindow();

private:
    std::unique_ptr<cProgramFixture> program_;
};

void ProgressTest::init() {
    program_ = std::make_unique<cProgramFixture>();
}

void ProgressTest::cleanup() {
    QVERIFY(program_->watchdog.Unexpected().isEmpty());
    program_.reset();
}

void ProgressTest::firstReportShowsAndDrawsLaterOnesWaitForTheNextSecond() {
    cFakeClock clock;
    ProgressHandler(0, 1, 250, 0);
    QVERIFY(FProgress->isVisible());
    QVERIFY(!FMain->isEnabled());
    QCOMPARE(Label(0), QStringLiteral("calculating (0/250)"));
    QCOMPARE(Bar(0), 0);
    for (int line = 1; line < 4; ++line)
        QCOMPARE(Label(line), QStringLiteral("idle"));

    ProgressHandler(0, 1, 250, 17);
    QCOMPARE(Label(0), QStringLiteral("calculating (0/250)"));
    QCOMPARE(FProgress->Lines.LineText(0), "calculating (17/250)");
    QCOMPARE(FProgress->Lines.LinePercent(0), 6u);

    ++cFakeClock::now;
    ProgressHandler(0, 1, 250, 18);
    QCOMPARE(Label(0), QStringLiteral("calculating (18/250)"));
    QCOMPARE(Bar(0), 7);
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
    cFakeClock clock;
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
    cFakeClock clock;
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
    program_->watchdog.Expect(&editor);
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

QTEST_MAIN(ProgressTest)
#include "tst_progress.moc"
