// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/engine_session.h"

#include "engine/Parser_core.h"

cEngineSession::cEngineSession(const cEngineSettings& settings) {
    ApplyEngineSettings(settings);
    InitEngine();
}

cEngineSession::~cEngineSession() {
    DoneEngine();
}
