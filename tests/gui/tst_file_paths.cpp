// SPDX-License-Identifier: GPL-3.0-or-later
// File names between Qt and the standard library keep every character, also those an 8-bit code page
// has not (on Windows the program once lost such folders).
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "shared/dialogs.h"
#include "shared/file_paths.h"

class FilePathsTest : public QObject {
    Q_OBJECT
private slots:
    void aFolderOfAnyNameIsFoundAndNamedBack();
    void fileDialogsStartWhereAFileOfTheirKindWasChosen();
};

void FilePathsTest::aFolderOfAnyNameIsFoundAndNamedBack() {
    QTemporaryDir root;
    for (const QString& name : {QStringLiteral("plain"), QStringLiteral(u"\u00d8rvane \u00e9t\u00e9"),
                                QStringLiteral(u"\u03a9 \u0436 \u6570\u5b66")}) {
        const QString folder = QDir(root.path()).filePath(name);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY2(std::filesystem::is_directory(PathOf(folder)), qPrintable(name));
        QCOMPARE(QStringOfPath(PathOf(folder)), folder);
    }
}

// Once every dialog started in the working folder, however often a library was saved elsewhere.
void FilePathsTest::fileDialogsStartWhereAFileOfTheirKindWasChosen() {
    QTemporaryDir root;
    const QString libraries = QDir(root.path()).filePath(QStringLiteral("libraries"));
    QVERIFY(QDir().mkpath(libraries));
    QStringList startFolders;
    QString choose;  // the file to choose, or empty to cancel
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (dialog->property("seen").toBool()) return dialog->reject();  // the accept failed: fail, not hang
        dialog->setProperty("seen", true);
        startFolders << dialog->directory().absolutePath();
        if (choose.isEmpty()) return dialog->reject();
        // selectFile leaves alone a name that is being typed: once the dialog is active and its name
        // field has the focus, the accept would find no file chosen.
        if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
        dialog->selectFile(choose);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
    });
    answer.start(20);
    const QStringList libraryTypes{QStringLiteral("Library (*.ovc)")};
    choose = QDir(libraries).filePath(QStringLiteral("mine.ovc"));
    QVERIFY(Dialogs().SaveFile(nullptr, QStringLiteral("Save"), libraryTypes));
    choose.clear();
    Dialogs().OpenFile(nullptr, QStringLiteral("Open"), libraryTypes);
    Dialogs().SaveFile(nullptr, QStringLiteral("Export"), {QStringLiteral("Picture (*.png)")});
    QCOMPARE(startFolders, (QStringList{QDir::currentPath(), libraries, QDir::currentPath()}));
}

QTEST_MAIN(FilePathsTest)
#include "tst_file_paths.moc"
