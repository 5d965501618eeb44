// SPDX-License-Identifier: GPL-3.0-or-later
#include "console_hooks.h"

#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>

#include "common/math_reports.h"
#include "common/progress_lines.h"
#include "console.h"
#include "engine/Parser_core.h"
#include "interrupts.h"
#include "terminal.h"

namespace {

// The engine reports after every node, millions of times a second, and reading the clock is a system
// call (3 microseconds under wine, more than the node itself): it is read once every ClockInterval
// reports, still many times a second.
constexpr int ClockInterval = 1024;

// Straight to the descriptor in one piece: MinGW's stdio writes an unbuffered stream a character at a
// time, and a console then draws the line piece by piece.
void ShowOnTerminal(std::string_view text) {
    const auto written = write(STDERR_FILENO, text.data(), text.size());
    static_cast<void>(written);  // a progress line that cannot be shown is no failure
}

std::time_t LastRefreshSecond = 0;
int ReportsUntilClock = 0;
bool LineShown = false;

// Redraws at most once per second, from the first change of second on, so that reporting after every
// node stays cheap and a quick calculation leaves the terminal alone.
void TerminalProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    if (line == 0 && activity == ActivityIdle) {
        if (LineShown) ShowOnTerminal("\r\033[K");
        LineShown = false;
        LastRefreshSecond = 0;
        return;
    }
    if (line > 3) return;
    if (LastRefreshSecond != 0 && --ReportsUntilClock > 0) return;
    ReportsUntilClock = ClockInterval;
    const std::time_t now = WallClockSecond();
    if (now == LastRefreshSecond) return;
    const bool justStarted = LastRefreshSecond == 0;
    LastRefreshSecond = now;
    if (justStarted) return;  // short work shows no line at all
    ShowOnTerminal("\r\033[K" + TerminalProgressText(line, activity, total, done));
    LineShown = true;
}

void ReportMathError(const char* function, const char* kind) {
    if (LineShown) ShowOnTerminal("\r\033[K");
    ReportMessage(MathReportText(function, kind));
}

tProgressHook DisplayHook = nullptr;

// Ctrl-C pressed since the last look stops the work in hand.
void CancelIfInterrupted() {
    if (TakeInterrupt()) throw cCalculationCancelled();
}

void CancellingProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    // The closing reports come while a cancellation unwinds: they must not raise again.
    if (activity != ActivityIdle) CancelIfInterrupted();
    if (DisplayHook != nullptr) DisplayHook(line, activity, total, done);
}

}  // namespace

void InstallConsoleHooks() {
    MathErrorHook = ReportMathError;
    if (CanRedrawLine(STDERR_FILENO)) ProgressHook = TerminalProgress;
}

void InstallCancellingHooks() {
    DisplayHook = CanRedrawLine(STDERR_FILENO) ? TerminalProgress : nullptr;
    ProgressHook = CancellingProgress;
    PollHook = CancelIfInterrupted;
}
