// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <shellapi.h>

#include "program_arguments.h"
#include "windows_text.h"

std::vector<std::string> ProgramArguments(int argc, char* argv[]) {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) return {argv, argv + argc};
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(Utf8OfWide(words[i]));
    LocalFree(words);
    return arguments;
}
