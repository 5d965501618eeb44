// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: dialogs answered by the test, a watchdog for unexpected modal
// windows, and the running program's windows in a temporary program folder.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "shared/dialogs.h"
#include "windows/app_windows.h"
#include "windows/progress_handler.h"

#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

// Records every message box, file dialog, text viewer and clipboard write, and answers them from a
// script. A box without a scripted answer is answered with its first button and noted as unexpected.
class cScriptedDialogs final : public cDialogs {
public:
    struct cShown {
        QMessageBox::Icon icon;
        QString caption;
        QString text;
        QMessageBox::StandardButtons buttons;
        QString detail;
    };

    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        const QString& detail) override;
    std::optional<cFileChoice> OpenFile(QWidget* parent, const QString& caption,
                                        const QStringList& filters) override;
    std::optional<cFileChoice> SaveFile(QWidget* parent, const QString& caption,
                                        const QStringList& filters) override;
    void ShowText(QWidget* parent, const QString& caption, const QString& text) override;
    void SetClipboardText(const QString& text) override { clipboard = text; }

    // The texts of the message boxes shown so far.
    QStringList MessageTexts() const;

    std::deque<QMessageBox::StandardButton> answers;
    std::deque<cFileChoice> fileAnswers;  // an empty path cancels the dialog
    QList<cShown> messages;
    QStringList fileDialogCaptions;
    QList<std::pair<QString, QString>> texts;  // caption and text of each text viewer
    QString clipboard;                         // null until something is copied
    QStringList unexpected;
};

// Closes every modal window that appears while it is alive and notes its caption, so that a test
// fails instead of hanging. A test that opens a modal window on purpose lists it as expected.
class cModalWatchdog {
public:
    cModalWatchdog();
    void Expect(QWidget* window) { expected_.append(window); }
    // A modal window the test itself works in and closes: the watchdog leaves it open.
    void LeaveOpen(QWidget* window) { leftOpen_.append(window); }
    QStringList Unexpected() const { return unexpected_; }
    QStringList Closed() const { return closed_; }

private:
    void Check();
    QTimer timer_;
    QList<QPointer<QWidget>> expected_;
    QList<QPointer<QWidget>> leftOpen_;
    QStringList unexpected_;
    QStringList closed_;
};

// Replaces an environment variable for its lifetime.
class cEnvironmentOverride {
public:
    cEnvironmentOverride(const char* name, const QByteArray& value);
    ~cEnvironmentOverride();

private:
    const char* name_;
    std::optional<QByteArray> previous_;
};

// A temporary program folder (optionally with a settings file) and user data folder, the scripted
// dialogs and the eight windows, with the main window shown and active.
class cProgramFixture {
public:
    explicit cProgramFixture(const QString& settingsText = {},
                             const QString& folderName = QStringLiteral("program"));
    ~cProgramFixture();

    QString Folder() const { return folder_; }
    // Ends the program's windows and starts them again, as the next run would.
    void Restart();

    cScriptedDialogs dialogs;
    cModalWatchdog watchdog;

private:
    void Start();

    QTemporaryDir root_;
    QString folder_;
    cEnvironmentOverride userData_;  // the formula history goes here, not to the user's own files
    cDialogsOverride override_;
    std::unique_ptr<cAppWindows> windows_;
};

// The frame every window test shares: the program with its default settings before each test
// function, and after it no box the test did not script and no modal window it did not expect; then
// the program ends. A test class derives from it; its own init or cleanup calls these first or last.
class cWindowTest : public QObject {
    Q_OBJECT
protected slots:
    void init() { Start(); }
    void cleanup();

protected:
    // Ends the program and starts it anew, in a folder of that name with that Orvane.ini.
    void Start(const QString& settingsText = {}, const QString& folderName = QStringLiteral("program"));

    std::unique_ptr<cProgramFixture> program_;
};

// A wall clock for the progress handler that stands still until the test moves it, or moves on every
// reading; the handler reads it at every report.
class cFakeClock {
public:
    explicit cFakeClock(bool ticking = false);
    ~cFakeClock();
    cFakeClock(const cFakeClock&) = delete;
    cFakeClock& operator=(const cFakeClock&) = delete;

    static inline std::int32_t now = 0;

private:
    static inline bool ticking_ = false;
    tProgressClock previous_;
    std::uint32_t previousReports_;
};

// Runs action once the work in hand first lets events through (the progress window then shows): a
// ticking clock makes that the first report.
class cDuringWork {
public:
    explicit cDuringWork(std::function<void()> action);

private:
    cFakeClock clock_{true};
};

#ifdef Q_OS_WIN
// QFile::link makes a shortcut (.lnk) there, which the program rightly takes for a file of its own.
#define SKIP_WITHOUT_SYMBOLIC_LINKS() QSKIP("QFile::link makes a shortcut on Windows, not a symbolic link")
#else
#define SKIP_WITHOUT_SYMBOLIC_LINKS() \
    do {                              \
    } while (false)
#endif

#ifdef Q_OS_WIN
// Windows has no file size limit: a test of a full disk says so and stops before it needs one.
#define SKIP_WITHOUT_FULL_DISK() QSKIP("Windows has no file size limit to make the disk seem full")
class cFileSizeLimit {
public:
    explicit cFileSizeLimit(long long) {}
};
#else
#define SKIP_WITHOUT_FULL_DISK() \
    do {                         \
    } while (false)
// While it lives, every write to a file fails past the given size, as on a full disk: the process's
// file size limit, with SIGXFSZ ignored so that the write fails (EFBIG) and not the test.
class cFileSizeLimit {
public:
    explicit cFileSizeLimit(rlim_t bytes) : previous_(Limit(bytes)) { std::signal(SIGXFSZ, SIG_IGN); }
    ~cFileSizeLimit() { Limit(previous_); }

private:
    static rlim_t Limit(rlim_t bytes) {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        std::swap(limit.rlim_cur, bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
        return bytes;
    }
    const rlim_t previous_;
};
#endif

// Puts the formula into the formula field and presses Return.
void TypeAndCalculate(const QString& formula);

// Presses the progress window's Cancel button as the user would; the window must be showing.
void ClickCancel();
