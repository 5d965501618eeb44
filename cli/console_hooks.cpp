#include "console_hooks.h"

#include <unistd.h>

#include <cstdio>
#include <ctime>

#include "Parser_core.h"

namespace {

const char* const ActivityNames[] = {"idle", "calculating", "saving to file", "loading from file",
                                     "interpreting"};

std::time_t LastRefreshSecond = 0;
bool LineShown = false;

std::time_t CoarseSeconds() {
    timespec now;
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now.tv_sec;
}

// Redraws at most once per second, so that reporting after every node stays cheap.
void TerminalProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    if (line == 0 && activity == ActivityIdle) {
        if (LineShown) std::fputs("\r\033[K", stderr);
        LineShown = false;
        LastRefreshSecond = 0;
        return;
    }
    if (line > 3) return;
    const std::time_t now = CoarseSeconds();
    if (now == LastRefreshSecond) return;
    LastRefreshSecond = now;
    const char* name = activity < 5 ? ActivityNames[activity] : "";
    std::fprintf(stderr, "\r\033[Kline %u: %s (%u/%u)", static_cast<unsigned>(line), name, done, total);
    LineShown = true;
}

void ReportMathError(const char* function, const char* kind) {
    if (LineShown) std::fputs("\r\033[K", stderr);
    std::fprintf(stderr, "%s: %s error\n", function, kind);
}

}  // namespace

void InstallConsoleHooks() {
    MathErrorHook = ReportMathError;
    if (isatty(STDERR_FILENO)) ProgressHook = TerminalProgress;
}
