// SPDX-License-Identifier: GPL-3.0-or-later
// Signals as orvane-cli meets them. A signal that ends the program (SIGINT in a script, SIGTERM,
// SIGHUP; on Windows Ctrl-C, Ctrl-Break and closing the console) first removes the temporary file of a
// save in hand, so that an interrupted save leaves the old library and nothing else. In interactive
// mode Ctrl-C instead asks the work in hand to stop. interrupts_posix.cpp and interrupts_windows.cpp
// answer for each system.
#pragma once

#include <filesystem>
#include <memory>

// Installs the handlers that remove the temporary file; a signal the program was started to ignore
// stays ignored.
void InstallTerminationCleanup();

// From now on Ctrl-C does not end the program but sets a request that TakeInterrupt takes.
void CatchInterrupts();
void ForgetInterrupt();
// Whether Ctrl-C was pressed since the last call or ForgetInterrupt; takes the request.
bool TakeInterrupt();

#ifndef _WIN32
// A descriptor that becomes readable whenever Ctrl-C sets a request, so that a wait for input can end
// on it; ClearInterruptWake empties it once seen. -1 before CatchInterrupts.
int InterruptWakeDescriptor();
void ClearInterruptWake();
#endif

// Holds back the terminating signals for its life; one that comes meanwhile arrives at its end.
class cSignalsHeld {
public:
    cSignalsHeld();
    ~cSignalsHeld();
    cSignalsHeld(const cSignalsHeld&) = delete;
    cSignalsHeld& operator=(const cSignalsHeld&) = delete;

private:
    struct cState;
    std::unique_ptr<cState> state_;
};

// Names the temporary file that a terminating signal removes, for the life of this object.
class cTemporaryFileRegistration {
public:
    explicit cTemporaryFileRegistration(const std::filesystem::path& path);
    ~cTemporaryFileRegistration();
    cTemporaryFileRegistration(const cTemporaryFileRegistration&) = delete;
    cTemporaryFileRegistration& operator=(const cTemporaryFileRegistration&) = delete;
};
