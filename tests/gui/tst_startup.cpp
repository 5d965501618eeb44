// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the seven windows, their captions, the settings file and the engine-state lines.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "engine/Parser_core.h"
#include "gui_test_support.h"

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void windowsExistWithTheirCaptions();
    void engineStateLines_data();
    void engineStateLines();
    void initialState();
    void closingTheMainWindowEndsTheProgram();
};

void StartupTest::windowsExistWithTheirCaptions() {
    cProgramFixture program;
    QCOMPARE(FMain->windowTitle(), QStringLiteral("Orvane 2.1.1"));
    QCOMPARE(FEdit->windowTitle(), QStringLiteral("Editor"));
    QCOMPARE(FProgress->windowTitle(), QStringLiteral("Please wait ..."));
    QCOMPARE(FConfig->windowTitle(), QStringLiteral("Preferences"));
    QCOMPARE(FPalettes->windowTitle(), QStringLiteral("Palettes"));
    QCOMPARE(FInfoText->windowTitle(), QStringLiteral("Info"));
    QCOMPARE(FCredits->windowTitle(), QStringLiteral("About Orvane"));
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{FEdit, FProgress, FConfig, FPalettes, FInfoText, FCredits})
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->windowTitle()));
}

void StartupTest::engineStateLines_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("lines");
    const QString defaults =
        QStringLiteral("memory > constants: 100; functions: 30; ref alloc: 10\nflags > deg");
    QTest::newRow("no settings file") << QString() << defaults;
    QTest::newRow("empty file") << QStringLiteral("") << defaults;
    QTest::newRow("RefAlloc and AngleMode keep their low 16 bits")
        << QStringLiteral("[Parser]\nRefAlloc=70000\n[Calculation]\nAngleMode=65538\n")
        << QStringLiteral("memory > constants: 100; functions: 30; ref alloc: 4464\nflags > gra");
    QTest::newRow("an angle mode the engine does not know falls back to degrees")
        << QStringLiteral("[Calculation]\nAngleMode=3\n") << defaults;
}

void StartupTest::engineStateLines() {
    QFETCH(QString, settings);
    QFETCH(QString, lines);
    cProgramFixture program(settings);
    QCOMPARE(FMain->MState->toPlainText(), lines);
}

void StartupTest::initialState() {
    cProgramFixture program;
    QCOMPARE(FMain->EFormel->text(), QStringLiteral("<formula>"));
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("<result>"));
    QCOMPARE(FMain->EStoreVar->text(), QStringLiteral("a"));
    QCOMPARE(FMain->LastResult(), 0.0);
    QVERIFY(FMain->Edit_Size_Normal->isChecked());
    for (char letter = 'a'; letter <= 'z'; ++letter)
        QCOMPARE(FMain->MainTree()->GetVariable(letter), 0.0);
}

void StartupTest::closingTheMainWindowEndsTheProgram() {
    cProgramFixture program;
    bool ended = false;
    connect(FMain, &TFMain::Closed, this, [&] { ended = true; });
    QVERIFY(FMain->close());
    QVERIFY(ended);
    QCOMPARE(FMain->MainTree(), nullptr);
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
