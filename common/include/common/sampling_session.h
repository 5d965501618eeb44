// SPDX-License-Identifier: GPL-3.0-or-later
// Stands between the engine and the front end while many points of formulas are calculated (a plot, a
// table), so that the front end sees one piece of work instead of one per point:
// - progress: every point's own line 0 becomes one line 0 "calculating (k/N)" counted in points, opened
//   once and closed when the session ends; deeper lines (user functions) pass through as they are. Work
//   that ends within QuietSteps engine steps shows no progress at all.
// - math-library reports are counted (cMathReportCounter) instead of shown one by one.
// - the work can be cancelled: RequestCancel makes the next engine step raise cCalculationCancelled;
//   a cancellation raised by the front end's own hooks passes through as well.
// The engine's hooks are plain function pointers, so one session at a time can be active.
#pragma once

#include <cstdint>

#include "engine/Parser_core.h"
#include "math_reports.h"

class cSamplingSession {
public:
    static constexpr std::uint64_t DefaultQuietSteps = 1'000'000;

    // plannedPoints: the total shown in the progress line. Installs the session's hooks.
    explicit cSamplingSession(std::uint32_t plannedPoints, std::uint64_t quietSteps = DefaultQuietSteps);
    // Closes the progress line if it was shown and puts the front end's hooks back.
    ~cSamplingSession();
    cSamplingSession(const cSamplingSession&) = delete;
    cSamplingSession& operator=(const cSamplingSession&) = delete;

    // One of the planned points is done.
    void PointDone() { ++pointsDone_; }
    void RequestCancel() { cancelRequested_ = true; }
    const cMathReportCounter& Reports() const { return reports_; }
    // Whether no session is active, so that a new one may start.
    static bool NoneActive() { return active_ == nullptr; }

private:
    static void OnProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total,
                           std::uint32_t done);
    static void OnMathReport(const char* function, const char* kind);
    static void OnPoll();
    void Step();

    static cSamplingSession* active_;
    tProgressHook frontProgress_;
    tMathErrorHook frontMathReport_;
    tPollHook frontPoll_;
    std::uint32_t plannedPoints_;
    std::uint32_t pointsDone_ = 0;
    std::uint64_t quietSteps_;
    std::uint64_t steps_ = 0;
    std::uint64_t evaluations_ = 0;
    bool shown_ = false;
    bool cancelRequested_ = false;
    cMathReportCounter reports_;
};
