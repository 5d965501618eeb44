#include "progress_handler.h"

#include <QApplication>
#include <QPointer>

#include "main_window.h"
#include "progress_window.h"

tProgressClock ProgressClock = [] { return static_cast<std::int32_t>(WallClockSecond()); };

namespace {

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
        if (!locked_ || !FMain) return;
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

}  // namespace

void ProgressHandler(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    if (line >= TFProgress::LineCount) return;
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
    FProgress->Lines.Store(line, activity, total, done);

    if (ProgressClock() != FMain->LastRefreshSecond) {
        FProgress->RefreshLines();
        QCoreApplication::processEvents();
        FMain->LastRefreshSecond = ProgressClock();
    }
}
