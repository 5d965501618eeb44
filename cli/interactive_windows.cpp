// SPDX-License-Identifier: GPL-3.0-or-later
// Interactive mode at a Windows console, which has no libedit: the console's own line input edits the
// line and keeps the session's history. Lines are read as UTF-16 and passed on as UTF-8, whatever the
// console's code page. They also go into the history both programs share, for the desktop program
// to recall; the console offers no way to fill its own history from it.
#include <windows.h>

#include <optional>
#include <string>

#include "common/formula_history.h"
#include "console.h"
#include "console_hooks.h"
#include "input_lines.h"
#include "interactive.h"
#include "interrupts.h"
#include "terminal.h"
#include "windows_text.h"

namespace {

constexpr const char* Prompt = "> ";
constexpr wchar_t EndOfInput = L'\x1a';  // Ctrl-Z

// The next line typed, without its line end; nothing at the end of the input. A Ctrl-C while the line
// is typed ends the console's read early: the line is then thrown away.
std::optional<std::wstring> ReadConsoleLine(bool& cancelled) {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring line;
    wchar_t buffer[1024];
    for (;;) {
        DWORD count = 0;
        const BOOL read = ReadConsoleW(input, buffer, static_cast<DWORD>(std::size(buffer)), &count, nullptr);
        if (read == 0 || count == 0) {
            if (GetLastError() != ERROR_OPERATION_ABORTED) return std::nullopt;
            // Ctrl-C: the control handler's thread raises its request a moment after the read ends.
            for (int wait = 0; wait < 20 && !TakeInterrupt(); ++wait)
                Sleep(10);
            cancelled = true;
            return std::wstring();
        }
        line.append(buffer, count);
        if (line.back() != L'\n') continue;
        line.pop_back();
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        if (!line.empty() && line.front() == EndOfInput) return std::nullopt;
        return line;
    }
}

}  // namespace

int RunInteractive(cSession& session) {
    cFormulaHistory history = SharedFormulaHistory();
    if (!history.Problem().empty()) ReportProgramMessage(history.Problem());
    CatchInterrupts();
    InstallCancellingHooks();
    session.MarkFailuresAfterPrompt(std::string_view(Prompt).size());
    for (;;) {
        StandardOutput().Write(Prompt);
        if (!StandardOutput().Flush()) return 3;
        bool cancelled = false;
        const std::optional<std::wstring> line = ReadConsoleLine(cancelled);
        if (!line) break;
        if (cancelled) {
            StandardOutput().Line("^C");
            continue;
        }
        if (line->find_first_not_of(L" \t") == std::wstring::npos) continue;
        const std::string text = Utf8OfWide(*line);
        if (text.size() > MaxLineLength) {
            StandardOutput().Line("<ERROR>");
            ReportMessage(LineTooLongMessage);
            continue;
        }
        history.Add(text);
        ForgetInterrupt();
        session.RunLine(text);
        if (!StandardOutput().Flush()) return 3;
    }
    StandardOutput().Write(TerminalLineEnd());  // the shell's prompt then starts on a line of its own
    return StandardOutput().Flush() ? 0 : 3;
}
