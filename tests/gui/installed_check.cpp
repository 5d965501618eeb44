// SPDX-License-Identifier: GPL-3.0-or-later
// Not a ctest entry: scripts/package_test.sh copies this program into the bin/ folder of an
// installed tree and runs it there, with XDG_CONFIG_HOME and XDG_CONFIG_DIRS in a temporary folder.
// The windows start as the installed program's do: the settings come from the system-wide default
// while the user has none, the documentation from share/doc, and the preferences go to the user's
// config folder, not beside the program.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/program_files.h"
#include "engine/Parser_core.h"
#include "gui_test_support.h"
#include "shared/file_paths.h"

class InstalledProgramCheck : public QObject {
    Q_OBJECT
private slots:
    void preferencesGoToTheUsersConfigFolder();
};

void InstalledProgramCheck::preferencesGoToTheUsersConfigFolder() {
    const QDir bin(QStringOfPath(RunningProgramFolder()));
    const QDir config(qEnvironmentVariable("XDG_CONFIG_HOME"));
    const QDir system(qEnvironmentVariable("XDG_CONFIG_DIRS"));
    QVERIFY(config.isAbsolute() && system.isAbsolute());
    QVERIFY(system.mkpath(QStringLiteral("orvane")));
    QFile systemFile(system.filePath(QStringLiteral("orvane/Orvane.ini")));
    QVERIFY(systemFile.open(QIODevice::WriteOnly));
    systemFile.write("[Parser]\nMaxConst=55\n");
    systemFile.close();

    cScriptedDialogs dialogs;
    const cDialogsOverride override(dialogs);
    const cAppWindows windows(bin.path());
    QCOMPARE(MaxConst, 55);
    const QString readme = QDir::cleanPath(bin.filePath(QStringLiteral("../share/doc/orvane/readme.txt")));
    QCOMPARE(FMain->DocumentationFilePath(), readme);
    QVERIFY(QFile::exists(readme));

    FMain->show();
    FConfig->open();
    QCOMPARE(FConfig->EMaxConst->displayText().trimmed(), QStringLiteral("55"));
    QTest::mouseClick(FConfig->BOk, Qt::LeftButton);
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.MessageTexts().join('\n')));
    QVERIFY(!FConfig->isVisible());
    const QString userFile = config.filePath(QStringLiteral("orvane/Orvane.ini"));
    QCOMPARE(FMain->SettingsFilePath(), userFile);
    QVERIFY(QFile::exists(userFile));
    QVERIFY(!QFile::exists(bin.filePath(QStringLiteral("Orvane.ini"))));
}

QTEST_MAIN(InstalledProgramCheck)
#include "installed_check.moc"
