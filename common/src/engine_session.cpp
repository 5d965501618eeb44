#include "engine_session.h"

#include "Parser_core.h"

cEngineSession::cEngineSession(const cEngineSettings& settings) {
    ApplyEngineSettings(settings);
    InitEngine();
}

cEngineSession::~cEngineSession() {
    DoneEngine();
}
