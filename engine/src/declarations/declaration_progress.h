// SPDX-License-Identifier: GPL-3.0-or-later
// Commits, saves and loads all report on progress line 0.
#pragma once

#include "engine/Parser_core.h"

inline void ReportDeclarationProgress(std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    ProgressHook(0, activity, total, done);
}

inline void EndDeclarationProgress() {
    ProgressHook(0, ActivityIdle, 0, 0);
}
