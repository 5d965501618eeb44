// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine_hooks.h"

#include <QIODevice>

#include "engine/Parser_core.h"
#include "main_window.h"
#include "progress_handler.h"
#include "shared/dialogs.h"
#include "shared/formula_text.h"

namespace {

cMathReportCounter* activeCounter = nullptr;
QIODevice* libraryStream = nullptr;

}  // namespace

void InstallEngineHooks() {
    ProgressHook = ProgressHandler;
    PollHook = PollHandler;
    ReadHook = ReadHandler;
    WriteHook = WriteHandler;
    MathErrorHook = MathErrorHandler;
}

std::int32_t ReadHandler(void* buffer, std::int32_t count) {
    if (!libraryStream || count < 0) return -1;
    return static_cast<std::int32_t>(libraryStream->read(static_cast<char*>(buffer), count));
}

std::int32_t WriteHandler(const void* buffer, std::int32_t count) {
    if (!libraryStream || count < 0) return -1;
    return static_cast<std::int32_t>(libraryStream->write(static_cast<const char*>(buffer), count));
}

cLibraryStreamScope::cLibraryStreamScope(QIODevice& file) {
    libraryStream = &file;
}

cLibraryStreamScope::~cLibraryStreamScope() {
    libraryStream = nullptr;
}

void MathErrorHandler(const char* function, const char* kind) {
    const std::string text =
        activeCounter ? activeCounter->Count(function, kind) : MathReportText(function, kind);
    if (!text.empty()) ShowMessage(FMain, FromEngineText(text));
}

cMathReportScope::cMathReportScope() : previous_(activeCounter) {
    activeCounter = &counter_;
}

cMathReportScope::~cMathReportScope() {
    activeCounter = previous_;
}

void cMathReportScope::ShowSummary() {
    const std::string summary = counter_.Summary();
    counter_.Reset();
    if (!summary.empty()) ShowMessage(FMain, FromEngineText(summary));
}
