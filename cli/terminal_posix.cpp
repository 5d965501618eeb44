// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include "terminal.h"

bool IsTerminal(int descriptor) {
    return isatty(descriptor) != 0;
}

bool CanRedrawLine(int descriptor) {
    return IsTerminal(descriptor);
}

std::string_view TerminalLineEnd() {
    return "\n";
}

cTerminalSetup::cTerminalSetup() = default;

cTerminalSetup::~cTerminalSetup() = default;
