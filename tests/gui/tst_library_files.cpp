// SPDX-License-Identifier: GPL-3.0-or-later
// File > Save and File > Open: real library files in a temporary folder, the dialogs answered by the
// test, every result message, and the old file kept when a save fails.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "declaration_test_support.h"
#include "gui_test_support.h"
#include "shared/termination_signals.h"
#include "windows/engine_hooks.h"
#include "windows/palettes_window.h"

#include <sys/stat.h>
#include <csignal>

namespace {

const QString SaveCaption = QStringLiteral("Save current state as library file");
const QString OpenCaption = QStringLiteral("Load library file");
const QString FileError = QStringLiteral(
    "Error: While trying to perform file operations, Orvane encountered an error. You may want to restart "
    "windows.");
const QString OverwriteQuestion = QStringLiteral(
    "Warning: There is already a file with the same name in that directory. If you decide to use this "
    "name, the old file will be overwitten. Do you want to overwite or cancel to chose another name?");

constexpr int ConstantFilter = 0;
constexpr int FunctionFilter = 1;

QByteArray Bytes(std::initializer_list<int> codes) {
    QByteArray bytes;
    for (int code : codes)
        bytes.append(static_cast<char>(code));
    return bytes;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A write hook that lets the first bytes through to the real one and then fails, like a full disk.
class cFailingWrites {
public:
    explicit cFailingWrites(std::int32_t allowed) : saved_(WriteHook) {
        allowed_ = allowed;
        WriteHook = Write;
    }
    ~cFailingWrites() { WriteHook = saved_; }
    cFailingWrites(const cFailingWrites&) = delete;
    cFailingWrites& operator=(const cFailingWrites&) = delete;

private:
    static std::int32_t Write(const void* buffer, std::int32_t count) {
        if (count > allowed_) return 0;
        allowed_ -= count;
        return WriteHandler(buffer, count);
    }
    static inline std::int32_t allowed_ = 0;
    tWriteHook saved_;
};

}  // namespace

class LibraryFilesTest : public cWindowTest {
    Q_OBJECT
private slots:
    void cleanup();

    void saveWritesTheLiveTable_data();
    void saveWritesTheLiveTable();
    void extensionFollowsTheFilter_data();
    void extensionFollowsTheFilter();
    void existingFileIsReplacedOnlyAfterOk();
    void failedSaveKeepsTheOldFile();
    void cancelledDialogsDoNothing();
    void roundTripAppendsAndRefreshesThePalette_data();
    void roundTripAppendsAndRefreshesThePalette();
    void loadFailures_data();
    void loadFailures();
    void filesThatCannotBeOpenedOrCreated_data();
    void filesThatCannotBeOpenedOrCreated();
    void savingOverWhatIsNotAFileIsRefused_data();
    void savingOverWhatIsNotAFileIsRefused();
    void savingThroughALinkReplacesTheLinkedFile();
    void declarationTooLongForALibraryIsNotSaved();
    void cancelledWorkChangesNothing_data();
    void cancelledWorkChangesNothing();
    void terminationDuringASaveKeepsTheOldFile();

private:
    QString InFolder(const QString& name) const { return QDir(files_.path()).filePath(name); }
    void Save(const QString& path, int filter);
    void Open(const QString& path, int filter);

    QTemporaryDir files_;
};

void LibraryFilesTest::cleanup() {
    char byte = 0;
    QCOMPARE(ReadHandler(&byte, 1), -1);  // no library file is left to the engine's hooks
    QVERIFY(!ConstWorkOpen && !FuncWorkOpen);
    cWindowTest::cleanup();
    for (const QString& name : QDir(files_.path()).entryList(QDir::Files))
        QFile::remove(InFolder(name));
}

void LibraryFilesTest::Save(const QString& path, int filter) {
    program_->dialogs.fileAnswers.push_back({path, filter});
    FMain->File_Save->trigger();
}

void LibraryFilesTest::Open(const QString& path, int filter) {
    program_->dialogs.fileAnswers.push_back({path, filter});
    FMain->File_Open->trigger();
}

void LibraryFilesTest::saveWritesTheLiveTable_data() {
    QTest::addColumn<int>("filter");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no constants") << ConstantFilter << QByteArray("OVC\x01\x01\0\0\0\0", 9);
    QTest::newRow("g=9.81 Earth") << ConstantFilter
                                  << QByteArray("OVC\x01\x01\x01\0\0\0", 9) + Bytes({6, 0}) + "g=9.81" +
                                         Bytes({5, 0}) + "Earth";
    QTest::newRow("a function") << FunctionFilter
                                << QByteArray("OVF\x01\x01\x01\0\0\0", 9) + Bytes({8, 0}) + "f(x)=x+1" +
                                       Bytes({0, 0});
}

void LibraryFilesTest::saveWritesTheLiveTable() {
    QFETCH(int, filter);
    QFETCH(QByteArray, bytes);
    Start();
    if (QTest::currentDataTag() == QLatin1String("g=9.81 Earth"))
        QVERIFY(DeclareConstants({{"g=9.81", "Earth"}}));
    if (filter == FunctionFilter) QVERIFY(DeclareFunctions({{"f(x)=x+1", ""}}));
    const QString path = InFolder(filter == FunctionFilter ? "lib.ovf" : "lib.ovc");
    Save(path, filter);
    QCOMPARE(program_->dialogs.fileDialogCaptions, QStringList{SaveCaption});
    QCOMPARE(program_->dialogs.messages.size(), 0);
    QCOMPARE(ReadAll(path), bytes);
}

void LibraryFilesTest::extensionFollowsTheFilter_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::newRow("appended") << "mine" << ConstantFilter << "mine.ovc";
    QTest::newRow("replaced") << "mine.txt" << FunctionFilter << "mine.ovf";
    QTest::newRow("the other kind's replaced") << "mine.ovf" << ConstantFilter << "mine.ovc";
    QTest::newRow("only the last one replaced") << "my.lib.ovc" << FunctionFilter << "my.lib.ovf";
}

void LibraryFilesTest::extensionFollowsTheFilter() {
    QFETCH(QString, chosen);
    QFETCH(int, filter);
    QFETCH(QString, written);
    Start();
    Save(InFolder(chosen), filter);
    QCOMPARE(QDir(files_.path()).entryList(QDir::Files), QStringList{written});
}

void LibraryFilesTest::existingFileIsReplacedOnlyAfterOk() {
    Start();
    QVERIFY(DeclareConstants({{"g=9.81", "Earth"}}));
    const QString path = InFolder("old.ovc");
    WriteAll(path, "old contents");

    // Cancel shows the dialog again; cancelling that one ends the command.
    program_->dialogs.answers = {QMessageBox::Cancel};
    program_->dialogs.fileAnswers = {{path, ConstantFilter}, {QString(), ConstantFilter}};
    FMain->File_Save->trigger();
    QCOMPARE(program_->dialogs.fileDialogCaptions, (QStringList{SaveCaption, SaveCaption}));
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{OverwriteQuestion});
    QCOMPARE(program_->dialogs.messages.front().buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(ReadAll(path), QByteArray("old contents"));

    program_->dialogs.answers = {QMessageBox::Ok};
    Save(path, ConstantFilter);
    QCOMPARE(ReadAll(path).size(), 24);
}

void LibraryFilesTest::failedSaveKeepsTheOldFile() {
    Start();
    QVERIFY(DeclareConstants({{"g=9.81", std::string(2000, 'E')}, {"h=1", ""}}));
    const QString path = InFolder("kept.ovc");
    WriteAll(path, "old contents");
    program_->dialogs.answers = {QMessageBox::Ok};
    {
        const cFailingWrites diskFull(15);
        Save(path, ConstantFilter);
    }
    SKIP_WITHOUT_FULL_DISK();
    program_->dialogs.answers = {QMessageBox::Ok};
    {
        // Full only for the last bytes, written by QSaveFile's commit, which alone would not notice.
        const cFileSizeLimit diskFull(1000);
        Save(path, ConstantFilter);
    }
    QCOMPARE(program_->dialogs.MessageTexts(),
             (QStringList{OverwriteQuestion, FileError, OverwriteQuestion, FileError}));
    QCOMPARE(program_->dialogs.messages.back().icon, QMessageBox::Critical);
#ifndef _WIN32
    QCOMPARE(program_->dialogs.messages.back().detail,
             QStringLiteral("\"kept.ovc\" could not be written: File too large"));
#endif
    QCOMPARE(ReadAll(path), QByteArray("old contents"));
    QCOMPARE(QDir(files_.path()).entryList(QDir::Files), QStringList{"kept.ovc"});
    QVERIFY(!FProgress->isVisible());
    QVERIFY(FMain->isEnabled());
}

void LibraryFilesTest::cancelledDialogsDoNothing() {
    Start();
    Save(QString(), ConstantFilter);
    Open(QString(), ConstantFilter);
    QCOMPARE(program_->dialogs.fileDialogCaptions, (QStringList{SaveCaption, OpenCaption}));
    QCOMPARE(program_->dialogs.messages.size(), 0);
    QVERIFY(QDir(files_.path()).entryList(QDir::Files).isEmpty());
}

void LibraryFilesTest::roundTripAppendsAndRefreshesThePalette_data() {
    QTest::addColumn<int>("filter");
    QTest::newRow("constants") << ConstantFilter;
    QTest::newRow("functions") << FunctionFilter;
}

void LibraryFilesTest::roundTripAppendsAndRefreshesThePalette() {
    QFETCH(int, filter);
    Start();
    QVERIFY(DeclareConstants({{"gr=9.81", "Earth\r\nat sea level"}, {"cc=3", ""}}));
    QVERIFY(DeclareFunctions({{"f(x)=x*cc", "uses cc"}, {"g(x)=f(x)+gr", ""}}));
    const QString path = InFolder("round.lib");
    Save(path, filter);
    const QString written = InFolder(filter == FunctionFilter ? "round.ovf" : "round.ovc");
    Open(written, filter);
    QCOMPARE(program_->dialogs.messages.size(), 0);
    QListWidget* palette = filter == FunctionFilter ? FPalettes->LUserFunc : FPalettes->LConst;
    QCOMPARE(palette->count(), 4);
    QCOMPARE(filter == FunctionFilter ? FuncCount : ConstCount, 4);
    const auto description = filter == FunctionFilter ? GetFuncDescription(2) : GetConstDescription(2);
    QCOMPARE(QByteArray::fromStdString(*description),
             QByteArray(filter == FunctionFilter ? "uses cc" : "Earth\r\nat sea level"));
}

void LibraryFilesTest::loadFailures_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray constantHeader("OVC\x01\x01", 5);
    QTest::newRow("-2 short file") << QString() << ConstantFilter << QByteArray("OV") << FileError;
    QTest::newRow("-2 entry cut short")
        << QString() << ConstantFilter << constantHeader + Bytes({1, 0, 0, 0, 6, 0}) + "g=9" << FileError;
    QTest::newRow("-3 table full")
        << QStringLiteral("[Parser]\nMaxConst=3\n") << ConstantFilter
        << constantHeader + Bytes({3, 0, 0, 0}) + Bytes({3, 0}) + "p=1" + Bytes({0, 0}) + Bytes({3, 0}) +
               "q=2" + Bytes({0, 0}) + Bytes({3, 0}) + "r=3" + Bytes({0, 0})
        << QStringLiteral(
               "Error: The loading process of this library has been canceled. The memory area which is "
               "reserved for this purpose is full. You can avoid this by setting a larger value in the "
               "preferences.");
    QTest::newRow("-4 function library under the constant filter")
        << QString() << ConstantFilter << QByteArray("OVF\x01\x01\0\0\0\0", 9)
        << QStringLiteral(
               "Error: This is not a valid Orvane library file.\nThe file holds functions. To load it, "
               "choose \"Orvane function library file (*.ovf)\" as the file type.");
    QTest::newRow("-4 neither kind") << QString() << FunctionFilter << QByteArray("text file")
                                     << QStringLiteral("Error: This is not a valid Orvane library file.");
    QTest::newRow("-5 version 02 01")
        << QString() << ConstantFilter << QByteArray("OVC\x02\x01\0\0\0\0", 9)
        << QStringLiteral(
               "Error: This library cannot be read, because it was created by a version of Orvane which uses "
               "another file format for libraries. You may want to upgrate to an appropriate version.");
    QTest::newRow("declaration calling a later one")
        << QString() << FunctionFilter
        << QByteArray("OVF\x01\x01\x02\0\0\0", 9) + Bytes({6, 0}) + "h(x)=x" + Bytes({0, 0}) + Bytes({9, 0}) +
               "g(x)=k(x)" + Bytes({0, 0})
        << QStringLiteral(
               "Error: While trying to load this library, Orvane has found an invalid declaration. The "
               "library "
               "cannot be loaded. You may want to contact the person who supplied this library.\n"
               "(declaration 2)");
}

void LibraryFilesTest::loadFailures() {
    QFETCH(QString, settings);
    QFETCH(int, filter);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    Start(settings);
    QVERIFY(DeclareConstants({{"live=1", ""}}));
    QVERIFY(DeclareFunctions({{"first(x)=x", ""}}));
    FPalettes->SConstantsShow();
    FPalettes->SUserFuncShow();
    const QString path = InFolder("bad.lib");
    WriteAll(path, bytes);
    Open(path, filter);
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{message});
    QCOMPARE(program_->dialogs.messages.front().icon, QMessageBox::Critical);
    QCOMPARE(program_->dialogs.messages.front().buttons, QMessageBox::Ok);
    QCOMPARE(ConstCount, 1);
    QCOMPARE(FuncCount, 1);
    QCOMPARE(FPalettes->LConst->count(), 1);
    QCOMPARE(FPalettes->LUserFunc->count(), 1);
}

void LibraryFilesTest::filesThatCannotBeOpenedOrCreated_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("open a missing file") << false << "missing.ovc"
                                         << "there is no such file";
    QTest::newRow("open a folder") << false << "folder.ovc"
                                   << "it is a folder";
    QTest::newRow("save into a missing folder") << true << "nowhere/lib.ovc"
                                                << "there is no such file";
}

void LibraryFilesTest::filesThatCannotBeOpenedOrCreated() {
    QFETCH(bool, save);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    Start();
    QVERIFY(DeclareConstants({{"live=1", ""}}));
    QDir(files_.path()).mkdir("folder.ovc");
    if (save)
        Save(InFolder(name), ConstantFilter);
    else
        Open(InFolder(name), ConstantFilter);
    QCOMPARE(program_->dialogs.messages.size(), 1);
    const QString text = program_->dialogs.messages.front().text;
    QVERIFY2(text.startsWith("Error: ") && text.contains(QFileInfo(name).fileName()), qPrintable(text));
    QVERIFY2(text.contains(": " + reason + "."), qPrintable(text));
    QCOMPARE(ConstCount, 1);
    QDir(files_.path()).rmdir("folder.ovc");
}

void LibraryFilesTest::savingOverWhatIsNotAFileIsRefused_data() {
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << "folder"
                              << "it is a folder";
#ifndef Q_OS_WIN
    QTest::newRow("a pipe") << "pipe"
                            << "it is not a regular file";
    QTest::newRow("a device, through a link") << "/dev/full"
                                              << "it is not a regular file";
#endif
}

// QSaveFile would put a regular file in the place of a pipe or a device node.
void LibraryFilesTest::savingOverWhatIsNotAFileIsRefused() {
    QFETCH(QString, node);
    QFETCH(QString, reason);
    Start();
    QVERIFY(DeclareConstants({{"gn=9.81", ""}}));
    const QString path = InFolder("target.ovc");
    if (node == "folder") QVERIFY(QDir().mkdir(path));
#ifndef Q_OS_WIN
    if (node == "pipe") QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    if (node.startsWith('/')) QVERIFY(QFile::link(node, path));
    const QFileInfo before(path);
    Save(path, ConstantFilter);
    QCOMPARE(program_->dialogs.MessageTexts(),
             QStringList{"Error: The file \"target.ovc\" could not be saved: " + reason +
                         ". Nothing has been changed."});
    const QFileInfo after(path);
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QVERIFY(!after.isFile() || after.isSymLink());
    QCOMPARE(QDir(files_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList{"target.ovc"});
    QFile::remove(path);
    QDir().rmdir(path);
}

void LibraryFilesTest::savingThroughALinkReplacesTheLinkedFile() {
    SKIP_WITHOUT_SYMBOLIC_LINKS();
    Start();
    QVERIFY(DeclareConstants({{"gn=9.81", ""}}));
    QDir(files_.path()).mkdir("real");
    WriteAll(InFolder("real/lib.ovc"), "old contents");
    QVERIFY(QFile::link("real/lib.ovc", InFolder("link.ovc")));
    program_->dialogs.answers = {QMessageBox::Ok};
    Save(InFolder("link.ovc"), ConstantFilter);
    QVERIFY(QFileInfo(InFolder("link.ovc")).isSymLink());
    QCOMPARE(ReadAll(InFolder("real/lib.ovc")).left(3), QByteArray("OVC"));
    QCOMPARE(QDir(InFolder("real")).entryList(QDir::Files), QStringList{"lib.ovc"});
    QDir(InFolder("real")).removeRecursively();
}

void LibraryFilesTest::declarationTooLongForALibraryIsNotSaved() {
    Start();
    QVERIFY(DeclareConstants({{"gn=9.81", ""}, {"long=1", std::string(70000, 'x')}}));
    Save(InFolder("long.ovc"), ConstantFilter);
    QCOMPARE(
        program_->dialogs.MessageTexts(),
        QStringList{"Error: Declaration 2 (long) is longer than a library file can hold (65535 bytes for its "
                    "definition and for its description). Nothing has been saved."});
    QVERIFY(QDir(files_.path()).entryList(QDir::Files).isEmpty());
}

void LibraryFilesTest::cancelledWorkChangesNothing_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("message");
    QTest::newRow("save") << true
                          << "Error: Saving the library has been cancelled. Nothing has been changed.";
    QTest::newRow("load") << false
                          << "Error: Loading the library has been cancelled. Nothing has been changed.";
}

void LibraryFilesTest::cancelledWorkChangesNothing() {
    QFETCH(bool, save);
    QFETCH(QString, message);
    Start();
    QVERIFY(DeclareConstants({{"gn=9.81", ""}, {"cc=3", ""}}));
    const QString path = InFolder("lib.ovc");
    Save(path, ConstantFilter);
    const QByteArray saved = ReadAll(path);
    if (save) WriteAll(path, "old contents");
    program_->dialogs.answers = {QMessageBox::Ok};
    {
        const cDuringWork cancel(ClickCancel);
        save ? Save(path, ConstantFilter) : Open(path, ConstantFilter);
    }
    QCOMPARE(program_->dialogs.MessageTexts().last(), message);
    QCOMPARE(ReadAll(path), save ? QByteArray("old contents") : saved);
    QCOMPARE(QDir(files_.path()).entryList(QDir::Files), QStringList{"lib.ovc"});
    QCOMPARE(ConstCount, 2);
    QVERIFY(FMain->isEnabled());
}

// SIGTERM while a library is written: the work stops at once, the program can quit, and neither the
// old file nor a temporary one is disturbed.
void LibraryFilesTest::terminationDuringASaveKeepsTheOldFile() {
#ifdef Q_OS_WIN
    QSKIP("a Windows program of the GUI subsystem gets no termination signals");
#endif
    Start();
    QVERIFY(DeclareConstants({{"gn=9.81", ""}, {"cc=3", ""}}));
    const QString path = InFolder("lib.ovc");
    WriteAll(path, "old contents");
    cTerminationSignals termination;
    QSignalSpy quit(&termination, &cTerminationSignals::Requested);
    program_->dialogs.answers = {QMessageBox::Ok};
    {
        const cDuringWork terminate([] { raise(SIGTERM); });
        Save(path, ConstantFilter);
    }
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{OverwriteQuestion});
    QCOMPARE(ReadAll(path), QByteArray("old contents"));
    QCOMPARE(QDir(files_.path()).entryList(QDir::Files), QStringList{"lib.ovc"});
    QTRY_COMPARE(quit.count(), 1);
}

QTEST_MAIN(LibraryFilesTest)
#include "tst_library_files.moc"
