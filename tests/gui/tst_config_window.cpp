// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences dialog: what it shows from the settings file, what OK writes, and what Cancel and
// a field it cannot read leave alone.
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <utility>

#include "engine/Parser_core.h"
#include "gui_test_support.h"
#include "windows/config_window.h"

namespace {

QString SettingsText() {
    QFile file(FMain->SettingsFilePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

struct cShown {
    QString maxConst, maxFunc, refAlloc;
    int angleMode;
};

cShown Shown() {
    return {FConfig->EMaxConst->displayText().trimmed(), FConfig->EMaxFunc->displayText().trimmed(),
            FConfig->ERefAlloc->displayText().trimmed(), FConfig->RAngleModeItems->checkedId()};
}

void Retype(QLineEdit* field, const QString& digits) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    field->setCursorPosition(0);
    QTest::keyClicks(field, digits);
}

}  // namespace

class ConfigWindowTest : public cWindowTest {
    Q_OBJECT
private slots:
    void cleanup();

    void showsTheFileClampedAndOkWritesWhatItShows_data();
    void showsTheFileClampedAndOkWritesWhatItShows();
    void okKeepsHandEditedLines();
    void typedValuesAreWrittenForTheNextStart();
    void cancelWritesNothing();
    void installedProgramShowsWhatItSaved();
    void unwritableFileIsReported();
    void okWritesThroughALinkButNotOverAFileItCannotRead();
    void unreadableFieldIsRefusedAndNothingWritten_data();
    void unreadableFieldIsRefusedAndNothingWritten();

private:
    void StartAndOpen(const QString& settings);
};

void ConfigWindowTest::StartAndOpen(const QString& settings) {
    Start(settings);
    FConfig->open();
}

void ConfigWindowTest::cleanup() {
    if (FConfig && FConfig->isVisible()) FConfig->BCancelClick();
    cWindowTest::cleanup();
}

void ConfigWindowTest::showsTheFileClampedAndOkWritesWhatItShows_data() {
    QTest::addColumn<QString>("settings");   // null: no file
    QTest::addColumn<QStringList>("shown");  // MaxConst, MaxFunc, RefAlloc, AngleMode
    QTest::addColumn<QString>("written");
    QTest::newRow("no file")
        << QString() << QStringList{"100", "30", "10", "1"}
        << "[Parser]\nMaxConst=100\nMaxFunc=30\nRefAlloc=10\n[Calculation]\nAngleMode=1\n";
    QTest::newRow("too many digits and negative")
        << "[Parser]\nMaxConst=123456\nMaxFunc=-5\nRefAlloc=70000\n[Calculation]\nAngleMode=7\n"
        << QStringList{"9999", "0", "9999", "2"}
        << "[Parser]\nMaxConst=9999\nMaxFunc=0\nRefAlloc=9999\n[Calculation]\nAngleMode=2\n";
    QTest::newRow("negative angle mode, names in any case")
        << "[parser]\nmaxconst=7\n[CALCULATION]\nanglemode=-1\n"
        << QStringList{"7", "30", "10", "0"}
        << "[parser]\nmaxconst=7\nMaxFunc=30\nRefAlloc=10\n[CALCULATION]\nanglemode=0\n";
}

void ConfigWindowTest::showsTheFileClampedAndOkWritesWhatItShows() {
    QFETCH(QString, settings);
    QFETCH(QStringList, shown);
    QFETCH(QString, written);
    StartAndOpen(settings);
    const cShown fields = Shown();
    QCOMPARE(
        (QStringList{fields.maxConst, fields.maxFunc, fields.refAlloc, QString::number(fields.angleMode)}),
        shown);
    QTest::mouseClick(FConfig->BOk, Qt::LeftButton);
    QVERIFY(!FConfig->isVisible());
    QCOMPARE(SettingsText(), written);
}

void ConfigWindowTest::okKeepsHandEditedLines() {
    StartAndOpen("; my settings\n[Parser]\nMaxConst=5\nColour=red\n\n[Other]\nX=1\n");
    QTest::mouseClick(FConfig->BOk, Qt::LeftButton);
    QCOMPARE(SettingsText(),
             "; my settings\n[Parser]\nMaxConst=5\nColour=red\nMaxFunc=30\nRefAlloc=10\n\n[Other]\nX=1\n"
             "[Calculation]\nAngleMode=1\n");
}

void ConfigWindowTest::typedValuesAreWrittenForTheNextStart() {
    StartAndOpen(QString());
    Retype(FConfig->EMaxFunc, "0");
    Retype(FConfig->EMaxConst, "2500");
    QTest::mouseClick(FConfig->RAngleModeItems->button(0), Qt::LeftButton);
    QTest::mouseClick(FConfig->BOk, Qt::LeftButton);
    QCOMPARE(SettingsText(), "[Parser]\nMaxConst=2500\nMaxFunc=0\nRefAlloc=10\n[Calculation]\nAngleMode=0\n");
    // The running engine keeps what it read at start-up.
    QCOMPARE(MaxFunc, 30);
    QCOMPARE(AngleMode, 1);
    FConfig->open();
    QCOMPARE(Shown().maxConst, QStringLiteral("2500"));
}

void ConfigWindowTest::cancelWritesNothing() {
    StartAndOpen("[Parser]\nMaxConst=50\n");
    Retype(FConfig->EMaxConst, "77");
    QTest::mouseClick(FConfig->BCancel, Qt::LeftButton);
    QVERIFY(!FConfig->isVisible());
    QCOMPARE(SettingsText(), QStringLiteral("[Parser]\nMaxConst=50\n"));
    FConfig->open();
    QCOMPARE(Shown().maxConst, QStringLiteral("50"));
}

void ConfigWindowTest::installedProgramShowsWhatItSaved() {
#ifdef Q_OS_WIN
    QSKIP("Windows has no system-wide settings file (scripts/test-windows-installer.sh tries %APPDATA%)");
#endif
    // Installed: a bin/ folder with share/ beside it. The system-wide default is shown until the first
    // OK makes the user's own file; from then on that file is shown.
    Start(QString(), QStringLiteral("bin"));
    QDir root(program_->Folder());
    QVERIFY(root.cdUp() && root.mkpath(QStringLiteral("share")) &&
            root.mkpath(QStringLiteral("system/orvane")));
    const cEnvironmentOverride userConfig("XDG_CONFIG_HOME", QFile::encodeName(root.filePath("user config")));
    const cEnvironmentOverride systemConfig("XDG_CONFIG_DIRS", QFile::encodeName(root.filePath("system")));
    QFile systemFile(root.filePath(QStringLiteral("system/orvane/Orvane.ini")));
    QVERIFY(systemFile.open(QIODevice::WriteOnly));
    systemFile.write("[Parser]\nMaxConst=55\n");
    systemFile.close();
    program_->Restart();  // as the installed program starts
    for (const auto& [shown, typed] : {std::pair{"55", "66"}, std::pair{"66", "77"}}) {
        FConfig->open();
        QCOMPARE(Shown().maxConst, QString::fromLatin1(shown));
        Retype(FConfig->EMaxConst, QString::fromLatin1(typed));
        QTest::mouseClick(FConfig->BOk, Qt::LeftButton);
        QVERIFY(!FConfig->isVisible());
    }
}

void ConfigWindowTest::unwritableFileIsReported() {
    StartAndOpen(QString());
    // A folder where the file should be: the defaults are shown, and the file cannot be written.
    QVERIFY(QDir().mkpath(FMain->SettingsFilePath()));
    QTest::mouseClick(FConfig->BOk, Qt::LeftButton);
    QCOMPARE(program_->dialogs.messages.size(), 1);
    QVERIFY(program_->dialogs.messages.front().text.startsWith("Error: "));
    QVERIFY(FConfig->isVisible());
}

// A link's file is written, keeping its permissions; writing the defaults over one too large would lose it.
void ConfigWindowTest::okWritesThroughALinkButNotOverAFileItCannotRead() {
    SKIP_WITHOUT_SYMBOLIC_LINKS();
    QFile real(QFileInfo(FMain->SettingsFilePath()).dir().filePath(QStringLiteral("real.ini")));
    QVERIFY(real.open(QIODevice::WriteOnly) && real.write("; mine\n[Parser]\nMaxConst=5\n") > 0);
    real.close();
    QVERIFY(real.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(real.link(FMain->SettingsFilePath()));
    FConfig->open();
    QTest::mouseClick(FConfig->BOk, Qt::LeftButton);
    QVERIFY(QFileInfo(FMain->SettingsFilePath()).isSymLink());
    QVERIFY(!(real.permissions() & QFile::ReadOther));
    QCOMPARE(SettingsText(),
             "; mine\n[Parser]\nMaxConst=5\nMaxFunc=30\nRefAlloc=10\n[Calculation]\nAngleMode=1\n");

    const QByteArray large = "[Parser]\nMaxConst=5\n" + QByteArray(1024 * 1024, ';');
    QVERIFY(real.open(QIODevice::WriteOnly) && real.write(large) == large.size());
    real.close();
    FConfig->open();
    QTest::mouseClick(FConfig->BOk, Qt::LeftButton);
    QCOMPARE(program_->dialogs.MessageTexts(),
             QStringList{"Error: The file \"" + QDir::cleanPath(FMain->SettingsFilePath()) +
                         "\" could not be written: it is larger than 1 MiB. Nothing has been changed."});
    QCOMPARE(SettingsText(), QString::fromLatin1(large));
}

void ConfigWindowTest::unreadableFieldIsRefusedAndNothingWritten_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("required digit erased") << "";
    QTest::newRow("blank between digits") << "1 2";
}

void ConfigWindowTest::unreadableFieldIsRefusedAndNothingWritten() {
    QFETCH(QString, text);
    StartAndOpen(QString());
    FConfig->ERefAlloc->setText(text);
    QCOMPARE(FConfig->ERefAlloc->displayText().trimmed(), text);
    QTest::mouseClick(FConfig->BOk, Qt::LeftButton);
    QCOMPARE(program_->dialogs.messages.size(), 1);
    QVERIFY(program_->dialogs.messages.front().text.startsWith("Warning: "));
    QVERIFY(FConfig->isVisible());
    QVERIFY(!QFile::exists(FMain->SettingsFilePath()));
}

QTEST_MAIN(ConfigWindowTest)
#include "tst_config_window.moc"
