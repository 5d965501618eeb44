// The engine's progress hook: shows the progress window while the engine works, keeps the main window
// disabled meanwhile, and lets the application's events run about once per wall-clock second.
#pragma once

#include <cstdint>

void ProgressHandler(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done);

// The wall-clock second the handler reads on every call; it must be cheap. Tests replace it.
using tProgressClock = std::int32_t (*)();
extern tProgressClock ProgressClock;
