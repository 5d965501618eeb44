// SPDX-License-Identifier: GPL-3.0-or-later
// File names between Qt and the standard library keep every character, also those an 8-bit code page
// has not (on Windows the program once lost such folders).
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "shared/file_paths.h"

class FilePathsTest : public QObject {
    Q_OBJECT
private slots:
    void aFolderOfAnyNameIsFoundAndNamedBack();
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

QTEST_MAIN(FilePathsTest)
#include "tst_file_paths.moc"
