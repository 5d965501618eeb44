// SPDX-License-Identifier: GPL-3.0-or-later
#include "parent_console.h"

#include <windows.h>

#include <cstdio>

namespace {

bool Missing(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle == nullptr || handle == INVALID_HANDLE_VALUE;
}

}  // namespace

void UseParentConsole() {
    const bool noOutput = Missing(STD_OUTPUT_HANDLE);
    const bool noError = Missing(STD_ERROR_HANDLE);
    if (!(noOutput || noError) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    FILE* stream = nullptr;
    if (noOutput) freopen_s(&stream, "CONOUT$", "w", stdout);
    if (noError) freopen_s(&stream, "CONOUT$", "w", stderr);
}
