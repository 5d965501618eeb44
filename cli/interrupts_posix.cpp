// SPDX-License-Identifier: GPL-3.0-or-later
#include "interrupts.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// What a signal handler may touch: plain memory and flags, no allocation.
char TemporaryPath[PATH_MAX];
volatile sig_atomic_t TemporaryPathSet = 0;
volatile sig_atomic_t InterruptRequested = 0;
int WakePipe[2] = {-1, -1};

void RemoveTemporaryFileAndEnd(int signalNumber) {
    if (TemporaryPathSet != 0) unlink(TemporaryPath);
    // End as the signal would have ended the program, so that the parent sees why.
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}

void RequestInterrupt(int) {
    InterruptRequested = 1;
    if (WakePipe[1] < 0) return;
    const int interruptedErrno = errno;
    [[maybe_unused]] const ssize_t written = write(WakePipe[1], "", 1);  // a full pipe is awake already
    errno = interruptedErrno;
}

void Handle(int signalNumber, void (*handler)(int)) {
    struct sigaction current {};
    if (sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) return;
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a Ctrl-C also ends a wait for input
    sigaction(signalNumber, &action, nullptr);
}

constexpr int TerminatingSignals[] = {SIGINT, SIGTERM, SIGHUP};

}  // namespace

void InstallTerminationCleanup() {
    for (const int signalNumber : TerminatingSignals)
        Handle(signalNumber, RemoveTemporaryFileAndEnd);
}

void CatchInterrupts() {
    if (WakePipe[0] < 0 && pipe2(WakePipe, O_CLOEXEC | O_NONBLOCK) != 0) WakePipe[0] = WakePipe[1] = -1;
    Handle(SIGINT, RequestInterrupt);
}

int InterruptWakeDescriptor() {
    return WakePipe[0];
}

void ClearInterruptWake() {
    char bytes[64];
    while (WakePipe[0] >= 0 && read(WakePipe[0], bytes, sizeof bytes) > 0) {
    }
}

bool TakeInterrupt() {
    if (InterruptRequested == 0) return false;
    InterruptRequested = 0;
    return true;
}

void ForgetInterrupt() {
    InterruptRequested = 0;
}

struct cSignalsHeld::cState {
    sigset_t previous;
};

cSignalsHeld::cSignalsHeld() : state_(std::make_unique<cState>()) {
    sigset_t held;
    sigemptyset(&held);
    for (const int signalNumber : TerminatingSignals)
        sigaddset(&held, signalNumber);
    sigprocmask(SIG_BLOCK, &held, &state_->previous);
}

cSignalsHeld::~cSignalsHeld() {
    sigprocmask(SIG_SETMASK, &state_->previous, nullptr);
}

cTemporaryFileRegistration::cTemporaryFileRegistration(const std::filesystem::path& path) {
    const std::string& text = path.native();
    if (text.size() >= sizeof TemporaryPath) return;
    std::memcpy(TemporaryPath, text.c_str(), text.size() + 1);
    TemporaryPathSet = 1;
}

cTemporaryFileRegistration::~cTemporaryFileRegistration() {
    TemporaryPathSet = 0;
}
