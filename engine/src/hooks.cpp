// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's outward hooks. Until a front end installs its own, they do nothing (progress, math
// reports) or move no bytes (library files), so an engine call never jumps through a null pointer.
#include "engine/Parser_core.h"

namespace {

void NoProgress(std::uint16_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
std::int32_t NoRead(void*, std::int32_t) {
    return 0;
}
std::int32_t NoWrite(const void*, std::int32_t) {
    return 0;
}
void NoMathReport(const char*, const char*) {}
void NoPoll() {}

}  // namespace

tProgressHook ProgressHook = NoProgress;
tReadHook ReadHook = NoRead;
tWriteHook WriteHook = NoWrite;
tMathErrorHook MathErrorHook = NoMathReport;
tPollHook PollHook = NoPoll;
