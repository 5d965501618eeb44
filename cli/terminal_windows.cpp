// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "terminal.h"

namespace {

// The console's state before the program changed it, put back at the end.
struct cConsoleState {
    UINT inputCodePage = 0;
    UINT outputCodePage = 0;
    DWORD outputMode[3] = {};
    bool outputModeChanged[3] = {};
};

cConsoleState Saved;

HANDLE HandleOf(int descriptor) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

bool ConsoleMode(int descriptor, DWORD& mode) {
    const HANDLE handle = HandleOf(descriptor);
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

bool IsTerminal(int descriptor) {
    DWORD mode = 0;
    return ConsoleMode(descriptor, mode);
}

bool CanRedrawLine(int descriptor) {
    DWORD mode = 0;
    return ConsoleMode(descriptor, mode) && (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

std::string_view TerminalLineEnd() {
    return "\r\n";
}

cTerminalSetup::cTerminalSetup() {
    for (int descriptor = 0; descriptor <= 2; ++descriptor)
        _setmode(descriptor, _O_BINARY);
    bool console = false;
    for (int descriptor = 1; descriptor <= 2; ++descriptor) {
        DWORD mode = 0;
        if (!ConsoleMode(descriptor, mode)) continue;
        console = true;
        if ((mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0) continue;
        // Fails on consoles older than Windows 10; the progress line is then not shown.
        if (SetConsoleMode(HandleOf(descriptor), mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0) {
            Saved.outputMode[descriptor] = mode;
            Saved.outputModeChanged[descriptor] = true;
        }
    }
    DWORD inputMode = 0;
    if (console || ConsoleMode(0, inputMode)) {
        Saved.inputCodePage = GetConsoleCP();
        Saved.outputCodePage = GetConsoleOutputCP();
        SetConsoleCP(CP_UTF8);
        SetConsoleOutputCP(CP_UTF8);
    }
}

cTerminalSetup::~cTerminalSetup() {
    for (int descriptor = 1; descriptor <= 2; ++descriptor)
        if (Saved.outputModeChanged[descriptor])
            SetConsoleMode(HandleOf(descriptor), Saved.outputMode[descriptor]);
    if (Saved.inputCodePage != 0) SetConsoleCP(Saved.inputCodePage);
    if (Saved.outputCodePage != 0) SetConsoleOutputCP(Saved.outputCodePage);
}
