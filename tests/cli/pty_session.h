// SPDX-License-Identifier: GPL-3.0-or-later
// orvane-cli at a terminal of its own: a pseudo-terminal whose other end a test types into and reads,
// as a user at the keyboard would.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

class cPtySession {
public:
    // Starts the orvane-cli this build made, with NAME=VALUE added to its environment.
    explicit cPtySession(const std::vector<std::string>& environment);
    // Ends the program if it still runs.
    ~cPtySession();
    cPtySession(const cPtySession&) = delete;
    cPtySession& operator=(const cPtySession&) = delete;

    void Type(std::string_view keys);
    // Sends the program a signal from outside, as kill(1) would.
    void Signal(int number);
    // Waits until the line editor has the terminal (editing), or has handed it back to run the line
    // (!editing). It shows its prompt a moment before it takes the terminal: keys typed in between
    // would be taken by the terminal's own line discipline (Ctrl-D as an end of file).
    bool WaitForLineEditor(bool editing = true, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Reads what the program shows until text appears after the previous match; false when it does not
    // within the timeout.
    bool WaitFor(std::string_view text, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Waits for the program to end and answers its exit status (-1 when a signal ended it).
    int WaitForExit();
    // Everything shown so far, for failure messages.
    const std::string& Screen() const { return screen_; }

private:
    // Adds what the program has shown to the screen; false when it has ended.
    bool ReadScreen();

    int terminal_ = -1;
    pid_t child_ = -1;
    std::string screen_;
    std::size_t matched_ = 0;
};
