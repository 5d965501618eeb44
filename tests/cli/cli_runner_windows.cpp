// SPDX-License-Identifier: GPL-3.0-or-later
// Starts orvane-cli with CreateProcess, its standard streams in temporary files.
#include <windows.h>

#include <filesystem>
#include <string>

#include "cli_runner.h"

namespace {

namespace fs = std::filesystem;

std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

// One word of a command line as the C runtime splits it again: quoted when it holds blanks or quotes,
// with the backslashes before a quote doubled.
std::wstring Quoted(const std::wstring& word) {
    if (!word.empty() && word.find_first_of(L" \t\"") == std::wstring::npos) return word;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

// The test's own environment with the assignments added, as CreateProcess takes it.
std::wstring EnvironmentBlock(const std::vector<std::string>& assignments) {
    std::wstring block;
    wchar_t* own = GetEnvironmentStringsW();
    for (const wchar_t* entry = own; *entry != L'\0'; entry += wcslen(entry) + 1)
        block.append(entry).push_back(L'\0');
    FreeEnvironmentStringsW(own);
    for (const std::string& assignment : assignments)
        block.append(Wide(assignment)).push_back(L'\0');
    return block + L'\0';
}

HANDLE OpenInherited(const fs::path& path, bool forWriting) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(path.c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherited,
                       forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

cCliRun RunCli(const std::vector<std::string>& arguments, const std::string& input,
               const std::string& program, const cRunSetting& setting) {
    const cTempFile in(input), out(""), err("");
    const fs::path inputPath = setting.inputPath.empty() ? in.path : fs::path(Wide(setting.inputPath));
    const fs::path outputPath = setting.outputPath.empty() ? out.path : fs::path(Wide(setting.outputPath));
    std::wstring commandLine = Quoted(Wide(program));
    for (const std::string& argument : arguments)
        commandLine += L" " + Quoted(Wide(argument));
    std::wstring environment = EnvironmentBlock(setting.environment);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = OpenInherited(inputPath, false);
    startup.hStdOutput = OpenInherited(outputPath, true);
    startup.hStdError = OpenInherited(err.path, true);
    PROCESS_INFORMATION process{};
    cCliRun run;
    DWORD startFailure = 0;
    if (CreateProcessW(Wide(program).c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                       CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr, &startup, &process) != 0) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD status = 0;
        GetExitCodeProcess(process.hProcess, &status);
        run.exitStatus = static_cast<int>(status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        startFailure = GetLastError();
    }
    for (const HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    run.out = ReadWholeFile(out.path);
    run.err = ReadWholeFile(err.path);
    // A run that never started fails its test with the reason, not with an empty output.
    if (startFailure != 0)
        run.err += "(the program did not start: error " + std::to_string(startFailure) + ")\n";
    return run;
}

int MakeFifo(const std::string&) {
    return -1;
}
