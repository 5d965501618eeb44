// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/sampling_session.h"

#include <stdexcept>

cSamplingSession* cSamplingSession::active_ = nullptr;

cSamplingSession::cSamplingSession(std::uint32_t plannedPoints, std::uint64_t quietSteps)
    : frontProgress_(ProgressHook),
      frontMathReport_(MathErrorHook),
      frontPoll_(PollHook),
      plannedPoints_(plannedPoints),
      quietSteps_(quietSteps) {
    if (active_) throw std::logic_error("a sampling session is already active");
    active_ = this;
    ProgressHook = OnProgress;
    MathErrorHook = OnMathReport;
    PollHook = OnPoll;
}

cSamplingSession::~cSamplingSession() {
    ProgressHook = frontProgress_;
    MathErrorHook = frontMathReport_;
    PollHook = frontPoll_;
    active_ = nullptr;
    if (!shown_) return;
    try {
        frontProgress_(0, ActivityIdle, 0, 0);
    } catch (...) {
        // Closing the display is the last thing done; a cancellation now has nothing left to stop.
    }
}

// Every engine step passes here: it counts towards the quiet stretch and is where a cancellation
// requested meanwhile takes effect.
void cSamplingSession::Step() {
    if (cancelRequested_) throw cCalculationCancelled();
    if (!shown_ && ++steps_ >= quietSteps_) shown_ = true;
}

void cSamplingSession::OnProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total,
                                  std::uint32_t done) {
    cSamplingSession& session = *active_;
    if (line == 0) {
        // The opening call of a point's own evaluation: math reports from here on belong to a new point.
        if (activity == ActivityCalculating && done == 0) ++session.evaluations_;
        if (activity == ActivityIdle) return;  // each point closes its line; the session closes it once
        session.Step();
        if (session.shown_)
            session.frontProgress_(0, ActivityCalculating, session.plannedPoints_, session.pointsDone_);
        return;
    }
    session.Step();
    if (session.shown_) session.frontProgress_(line, activity, total, done);
}

void cSamplingSession::OnMathReport(const char* function, const char* kind) {
    active_->reports_.Count(function, kind, active_->evaluations_);
}

void cSamplingSession::OnPoll() {
    cSamplingSession& session = *active_;
    if (session.cancelRequested_) throw cCalculationCancelled();
    if (session.shown_) session.frontPoll_();
}
