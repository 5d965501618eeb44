// SPDX-License-Identifier: GPL-3.0-or-later
#include "termination_signals.h"

#include <QSocketNotifier>

#ifdef Q_OS_WIN

// A Windows program of the GUI subsystem gets no such signals: a request to end it arrives as a close
// of its main window, which asks about unsaved work as every close does.
cTerminationSignals::cTerminationSignals() = default;
cTerminationSignals::~cTerminationSignals() = default;

bool TerminationRequested() {
    return false;
}

#else

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace {

volatile std::sig_atomic_t requested = 0;
int wakeUpFd = -1;
struct sigaction previousInterrupt {};
struct sigaction previousTerminate {};

// Only what is safe in a signal handler: set a flag, write one byte to the pipe.
void OnSignal(int) {
    requested = 1;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeUpFd, &byte, 1);
}

}  // namespace

cTerminationSignals::cTerminationSignals() {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
    wakeUpFd = pipe_[1];
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
        }
        emit Requested();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &previousInterrupt);
    sigaction(SIGTERM, &action, &previousTerminate);
}

cTerminationSignals::~cTerminationSignals() {
    if (pipe_[0] < 0) return;
    sigaction(SIGINT, &previousInterrupt, nullptr);
    sigaction(SIGTERM, &previousTerminate, nullptr);
    notifier_.reset();
    wakeUpFd = -1;
    requested = 0;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

bool TerminationRequested() {
    return requested != 0;
}

#endif
