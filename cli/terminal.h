// SPDX-License-Identifier: GPL-3.0-or-later
// The terminal or console orvane-cli runs in, as the rest of the program needs to know it. One unit per
// system answers: terminal_posix.cpp and terminal_windows.cpp.
#pragma once

#include <string_view>

// Whether the descriptor leads to a terminal a person reads or types at. On Windows that is a console:
// the NUL device, which the C library calls a terminal too, is none.
bool IsTerminal(int descriptor);

// Whether the descriptor is a terminal that draws a carriage return and the escape that clears to the
// end of the line, as the progress line needs.
bool CanRedrawLine(int descriptor);

// The line end written to a terminal: CR LF on a Windows console; LF elsewhere, where the terminal
// driver adds the CR. Files and pipes always get LF, so that a script's output is the same everywhere.
std::string_view TerminalLineEnd();

// Prepares the standard streams for the program's life and puts back what it changed when it ends: on
// Windows the streams carry bytes as they are (no CR LF translation, no end of input at Ctrl-Z), and a
// console reads and shows UTF-8 and understands the progress line's escapes. Nothing elsewhere.
class cTerminalSetup {
public:
    cTerminalSetup();
    ~cTerminalSetup();
    cTerminalSetup(const cTerminalSetup&) = delete;
    cTerminalSetup& operator=(const cTerminalSetup&) = delete;
};
