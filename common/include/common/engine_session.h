// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's tables from InitEngine to DoneEngine, as one owned object.
#pragma once

#include "engine_settings.h"

class cEngineSession {
public:
    // Copies the settings into the engine and allocates its tables.
    explicit cEngineSession(const cEngineSettings& settings);
    ~cEngineSession();
    cEngineSession(const cEngineSession&) = delete;
    cEngineSession& operator=(const cEngineSession&) = delete;
};
