// SPDX-License-Identifier: GPL-3.0-or-later
// Windows has no signals between processes: Ctrl-C, Ctrl-Break and closing the console reach a console
// program as calls of its control handler, on a thread of their own. The handler and the main thread
// share the temporary file's name under one lock, which cSignalsHeld also takes.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>

#include "interrupts.h"

namespace {

std::recursive_mutex TemporaryFileLock;
std::wstring TemporaryPath;  // empty while no save is in hand
std::atomic<bool> CatchingInterrupts{false};
std::atomic<bool> InterruptRequested{false};

BOOL WINAPI OnConsoleControl(DWORD event) {
    if (event == CTRL_C_EVENT && CatchingInterrupts) {
        InterruptRequested = true;
        return TRUE;
    }
    const std::lock_guard lock(TemporaryFileLock);
    // The save opened the file for sharing its deletion: it goes when the program ends.
    if (!TemporaryPath.empty()) DeleteFileW(TemporaryPath.c_str());
    return FALSE;  // the system's own handling ends the program
}

}  // namespace

void InstallTerminationCleanup() {
    // A program started with Ctrl-C ignored is never called for it.
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

void CatchInterrupts() {
    CatchingInterrupts = true;
}

// Asked at every progress report: a plain read first, the locked exchange only when it is set.
bool TakeInterrupt() {
    return InterruptRequested.load(std::memory_order_relaxed) && InterruptRequested.exchange(false);
}

void ForgetInterrupt() {
    InterruptRequested = false;
}

struct cSignalsHeld::cState {
    std::unique_lock<std::recursive_mutex> lock{TemporaryFileLock};
};

cSignalsHeld::cSignalsHeld() : state_(std::make_unique<cState>()) {}

cSignalsHeld::~cSignalsHeld() = default;

cTemporaryFileRegistration::cTemporaryFileRegistration(const std::filesystem::path& path) {
    const std::lock_guard lock(TemporaryFileLock);
    TemporaryPath = path.native();
}

cTemporaryFileRegistration::~cTemporaryFileRegistration() {
    const std::lock_guard lock(TemporaryFileLock);
    TemporaryPath.clear();
}
