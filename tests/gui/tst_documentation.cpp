// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Documentation: the editor gets readme.txt's path as one argument, without a shell; without
// an editor the text shows in the program's own viewer.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <QLineEdit>

#include "gui_test_support.h"
#include "shared/documentation.h"

namespace {

const QByteArray ReadmeText = "Orvane readme\nsum('i';1;10;i)\n";

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DocumentationTest : public QObject {
    Q_OBJECT
private slots:
    void editorGetsThePathAsOneArgument();
    void withoutAnEditorTheViewerShowsTheFile();
    void aFailingEditorFallsBackToTheViewer();
    void aMissingFileIsReported();
    void readmeIsShippedBesideTheProgram();
};

void DocumentationTest::editorGetsThePathAsOneArgument() {
    // A folder name that a shell would split and run commands from.
    cProgramFixture program({}, QStringLiteral("my programs; touch injected $(touch injected2) 'x'"));
    const QString readme = QDir(program.Folder()).filePath("readme.txt");
    WriteFile(readme, ReadmeText);
    QTemporaryDir tools;
    const QString record = QDir(tools.path()).filePath("arguments");
    const QString editor = QStringLiteral("\"" ORVANE_RECORD_ARGUMENTS "\" \"%1\"").arg(record);
    cEnvironmentOverride visual("VISUAL", editor.toUtf8());

    QTest::keyClick(FMain->EFormel, Qt::Key_F1);

    QCOMPARE(QString::fromUtf8(ReadFile(record)), "1\n" + readme + "\n");
    QVERIFY(!QFile::exists(QDir(program.Folder()).filePath("injected")));
    QVERIFY(!QFile::exists(QDir::current().filePath("injected")));
    QVERIFY(!QFile::exists(QDir::current().filePath("injected2")));
    QVERIFY(program.dialogs.texts.isEmpty());
}

void DocumentationTest::withoutAnEditorTheViewerShowsTheFile() {
#ifdef Q_OS_WIN
    QSKIP("Windows always has notepad.exe");
#endif
    cProgramFixture program;
    WriteFile(QDir(program.Folder()).filePath("readme.txt"), ReadmeText);
    QTemporaryDir emptyPath;
    cEnvironmentOverride visual("VISUAL", "");
    cEnvironmentOverride path("PATH", emptyPath.path().toUtf8());
    FMain->Help_Dokumentation->trigger();
    QCOMPARE(program.dialogs.texts.size(), 1);
    QCOMPARE(program.dialogs.texts.front().first, QStringLiteral("readme.txt"));
    QCOMPARE(program.dialogs.texts.front().second, QString::fromUtf8(ReadmeText));
}

void DocumentationTest::aFailingEditorFallsBackToTheViewer() {
    cProgramFixture program;
    WriteFile(QDir(program.Folder()).filePath("readme.txt"), ReadmeText);
    for (const QByteArray& editor : {QByteArray("/nonexistent/editor"), QByteArray("false")}) {
        cEnvironmentOverride visual("VISUAL", editor);
        FMain->Help_Dokumentation->trigger();
    }
    QCOMPARE(program.dialogs.texts.size(), 2);
}

void DocumentationTest::aMissingFileIsReported() {
    cProgramFixture program;
    FMain->Help_Dokumentation->trigger();
    QCOMPARE(program.dialogs.messages.size(), 1);
    QVERIFY(program.dialogs.messages.front().text.startsWith("Error: "));
    QVERIFY(program.dialogs.messages.front().text.contains("readme.txt"));
    QCOMPARE(program.dialogs.messages.front().caption, QStringLiteral("Orvane"));
}

void DocumentationTest::readmeIsShippedBesideTheProgram() {
    const QByteArray text = ReadFile(QStringLiteral(ORVANE_PROGRAM_FOLDER "/readme.txt"));
    for (const char* topic :
         {"F2", "sum(", "integral(", "derivative(", "solve(", "Orvane.ini", "parse error"})
        QVERIFY2(text.contains(topic), topic);
}

QTEST_MAIN(DocumentationTest)
#include "tst_documentation.moc"
