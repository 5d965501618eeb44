// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_handler.h"

#include <QApplication>
#include <QPointer>

#include "engine/Parser_core.h"
#include "main_window.h"
#include "progress_window.h"
#include "shared/termination_signals.h"

tProgressClock ProgressClock = [] { return static_cast<std::int32_t>(WallClockSecond()); };
std::uint32_t ReportsPerClockReading = 4096;

namespace {

// Disables the main window while the engine works. When the work ends while a modal window is open
// (the declaration editor after a failed commit), the main window stays disabled until the last modal
// window has closed: an operation started from it would meet that window's open working copy.
class cMainWindowLock : public QObject {
public:
    void Lock() {
        watched_.clear();
        if (!FMain->isEnabled()) return;  // someone else disabled it; leave it to them
        // Disabling takes the keyboard focus from the formula; it goes back there afterwards.
        focus_ = FMain->focusWidget();
        FMain->setEnabled(false);
        locked_ = true;
    }

    void Release() {
        if (!locked_ || !FMain) return;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            watched_ = modal;
            modal->installEventFilter(this);
            return;
        }
        locked_ = false;
        FMain->setEnabled(true);
        if (focus_) focus_->setFocus();
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == watched_ && (event->type() == QEvent::Hide || event->type() == QEvent::Destroy)) {
            object->removeEventFilter(this);
            watched_.clear();
            // The closing window still counts as modal while it hides; look again once it is gone.
            QMetaObject::invokeMethod(this, &cMainWindowLock::Release, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool locked_ = false;
    QPointer<QWidget> watched_;
    QPointer<QWidget> focus_;
};

cMainWindowLock& MainWindowLock() {
    static cMainWindowLock lock;
    return lock;
}

// One piece of work, from its first report to the end call of line 0. Plain data, so that the
// per-report path reads it without a guard.
struct cWorkState {
    bool working = false;
    std::uint32_t reportsUntilClock = 1;
};
constinit cWorkState work;

void BeginWork() {
    work.working = true;
    work.reportsUntilClock = ReportsPerClockReading;
    FProgress->ResetLines();
    FProgress->ForgetCancel();
    // The first redraw, which shows the window, waits for the next wall-clock second: quick work
    // never makes the window flash.
    FMain->LastRefreshSecond = ProgressClock();
    MainWindowLock().Lock();
}

void EndWork() {
    if (!work.working) return;
    work.working = false;
    if (FProgress->isVisible()) FProgress->HideAfterWork();
    MainWindowLock().Release();
}

// Redraws and runs the events once per second, then stops the work if that was asked for; a report
// that closes a line (activity 0) cannot raise, so the next one is asked to look again.
void LookAtClock(bool mayCancel) {
    work.reportsUntilClock = ReportsPerClockReading;
    if (ProgressClock() != FMain->LastRefreshSecond) {
        if (!FProgress->isVisible()) FProgress->ShowForWork();
        FProgress->RefreshLines();
        QCoreApplication::processEvents();
        FMain->LastRefreshSecond = ProgressClock();
    }
    if (!FProgress->CancelRequested() && !TerminationRequested()) return;
    if (mayCancel) throw cCalculationCancelled();
    work.reportsUntilClock = 1;
}

// Everything but the common report: the start and the end of the work, lines closing, lines above 3
// (which store nothing but stay responsive and can be cancelled), and a look at the clock.
[[gnu::noinline]] void ReportOther(std::uint16_t line, std::uint32_t activity, std::uint32_t total,
                                   std::uint32_t done) {
    if (line < TFProgress::LineCount) {
        if (line == 0 && activity == ActivityIdle) {
            EndWork();
            return;
        }
        if (!work.working) BeginWork();
        FProgress->Lines.Store(line, activity, total, done);
    } else if (!work.working) {
        return;
    }
    // The common report comes here with the count already run out.
    if (work.reportsUntilClock == 0 || --work.reportsUntilClock == 0) LookAtClock(activity != ActivityIdle);
}

}  // namespace

void ProgressHandler(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    // The common report, a few nanoseconds after the last one: a step of work on a shown line.
    if (work.working && activity != ActivityIdle && line < TFProgress::LineCount) {
        FProgress->Lines.Store(line, activity, total, done);
        if (--work.reportsUntilClock != 0) return;
    }
    ReportOther(line, activity, total, done);
}

void PollHandler() {
    // A quiet stretch can come before the first report: the bounds of a sum are counted first.
    if (!work.working) BeginWork();
    LookAtClock(true);
}
