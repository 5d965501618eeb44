// SPDX-License-Identifier: GPL-3.0-or-later
// Interactive mode: a prompt with line editing, the formula history the desktop program shares
// (common/formula_history.h) and completion with Tab, over libedit (interactive_posix.cpp). Ctrl-C
// cancels a calculation in hand or clears the line being typed; Ctrl-D on an empty line ends. On
// Windows (interactive_windows.cpp) the console edits the line and keeps the session's history itself
// (arrow keys, F7), without completion, and lines still go into the shared history; Ctrl-Z then Enter
// ends.
#pragma once

#include "session.h"

// Answers the exit status: 0, or 3 when standard output could not be written.
int RunInteractive(cSession& session);
