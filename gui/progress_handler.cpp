#include "progress_handler.h"

#include <QApplication>
#include <QPointer>
#include <ctime>

#include "main_window.h"
#include "progress_window.h"

tProgressClock ProgressClock = CoarseWallClockSeconds;

namespace {

constexpr std::uint16_t LastLine = TFProgress::LineCount - 1;

const char* ActivityName(std::uint32_t activity) {
    switch (activity) {
        case 0:
            return "idle";
        case 1:
            return "calculating";
        case 2:
            return "saving to file";
        case 3:
            return "loading from file";
        case 4:
            return "interpreting";
        default:
            return "";
    }
}

// Disables the main window while the progress window shows. When the display ends while a modal
// window is open (the declaration editor after a failed commit), the main window stays disabled until
// the last modal window has closed: an operation started from it would meet that window's open
// working copy.
class cMainWindowLock : public QObject {
public:
    void Lock() {
        watched_.clear();
        if (!FMain->isEnabled()) return;  // someone else disabled it; leave it to them
        FMain->setEnabled(false);
        locked_ = true;
    }

    void Release() {
        if (!locked_) return;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            watched_ = modal;
            modal->installEventFilter(this);
            return;
        }
        locked_ = false;
        FMain->setEnabled(true);
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
};

cMainWindowLock& MainWindowLock() {
    static cMainWindowLock lock;
    return lock;
}

std::int32_t PercentDone(std::uint32_t total, std::uint32_t done) {
    if (total == 0) return 0;
    return static_cast<std::int32_t>(std::uint64_t{done} * 100u / total);
}

}  // namespace

void ProgressHandler(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    if (line > LastLine) return;
    if (line == 0 && activity == 0) {
        if (FProgress->isVisible()) {
            FProgress->hide();
            MainWindowLock().Release();
        }
        return;
    }
    if (!FProgress->isVisible()) {
        FMain->LastRefreshSecond = 0;
        FProgress->ResetLines();
        FProgress->show();
        MainWindowLock().Lock();
    }
    FProgress->LineText[line] = ProgressLineText(activity, total, done);
    FProgress->LinePercent[line] = PercentDone(total, done);

    if (ProgressClock() != FMain->LastRefreshSecond) {
        FProgress->RefreshLines();
        QCoreApplication::processEvents();
        FMain->LastRefreshSecond = ProgressClock();
    }
}

std::string ProgressLineText(std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    std::string text = ActivityName(activity);
    if (activity != 0) text += " (" + std::to_string(done) + "/" + std::to_string(total) + ")";
    return text;
}

std::int32_t CoarseWallClockSeconds() {
#ifdef CLOCK_REALTIME_COARSE
    // The coarse clock costs no system call; it is read on every progress report.
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return static_cast<std::int32_t>(now.tv_sec);
#else
    return static_cast<std::int32_t>(std::time(nullptr));
#endif
}
