// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's progress and poll hooks: the main window is disabled from the first report of a piece
// of work until its end, the progress window shows once the work lasts into a second wall-clock
// second, and the application's events run about once per wall-clock second, whatever line reports
// and also in quiet stretches. Cancel (the progress window, closing the main window, SIGINT/SIGTERM)
// raises cCalculationCancelled at the next report.
#pragma once

#include <cstdint>

void ProgressHandler(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done);
void PollHandler();

// The wall-clock second the handler reads. Tests replace it.
using tProgressClock = std::int32_t (*)();
extern tProgressClock ProgressClock;

// The engine reports after every node, a few nanoseconds apart, so the handler looks at the clock only
// every so many reports; a poll always looks. Tests that move the clock by hand set it to 1.
extern std::uint32_t ReportsPerClockReading;
