// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the command line, then the application titled "Orvane", its seven windows, and the
// message loop until the main window closes.
#include <QApplication>
#include <QTimer>
#include <exception>

#include "common/program_files.h"
#include "shared/app_icon.h"
#include "shared/app_texts.h"
#include "shared/command_line.h"
#include "shared/dialogs.h"
#include "shared/display_check.h"
#include "shared/file_paths.h"
#include "shared/headless_plot.h"
#include "shared/quiet_start.h"
#include "shared/termination_signals.h"
#include "windows/app_windows.h"
#ifdef Q_OS_WIN
#include "shared/parent_console.h"
#endif

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    // Only with options: a console the program is attached to would end it on Ctrl+C there.
    if (argc > 1) UseParentConsole();
#endif
    // --help and --version answer before the application object connects to a display.
    const QStringList arguments = ProgramArguments(argc, argv);
    if (const auto status = AnswerInformationOptions(arguments)) return *status;
    if (const auto status = AnswerMissingDisplay(arguments)) return *status;
    QuietenHarmlessQtNotes();
    QApplication application(argc, argv);
    if (const auto status = CheckStartArguments(QApplication::arguments())) return *status;
    if (const auto plot = PlotRequestOf(QApplication::arguments())) return RunHeadlessPlot(*plot);
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setDesktopFileName(QStringLiteral(ORVANE_APP_ID));
    QApplication::setWindowIcon(ApplicationIcon());
    // The tool windows (palettes, progress) do not keep the program running; the main window decides.
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        // SIGINT and SIGTERM cancel the work in hand; every event loop then ends and the windows go
        // as after a close, without questions.
        const cTerminationSignals terminationSignals;
        QObject::connect(&terminationSignals, &cTerminationSignals::Requested, &application,
                         [] { QApplication::exit(0); });
        cAppWindows windows(QStringOfPath(RunningProgramFolder()));
        QObject::connect(FMain, &TFMain::Closed, &application, &QApplication::quit);
        FMain->show();
        QTimer::singleShot(0, FMain, [] { FMain->RestoreAtStart(); });
        QApplication::exec();
        // Only when the loop has ended is the engine idle: the work the signal cancelled has unwound.
        if (TerminationRequested()) FMain->KeepBeforeTermination();
    } catch (const std::exception& failure) {
        // Only a failure while building the windows can get here; the commands catch their own.
        Dialogs().Message(nullptr, QMessageBox::Critical, ApplicationTitle,
                          QString::fromLocal8Bit(failure.what()));
    }
    return 0;
}
