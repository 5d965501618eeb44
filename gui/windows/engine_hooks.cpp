#include "engine_hooks.h"

#include <QIODevice>

#include "Parser_core.h"
#include "dialogs.h"
#include "main_window.h"
#include "progress_handler.h"

void InstallEngineHooks() {
    ProgressHook = ProgressHandler;
    ReadHook = ReadHandler;
    WriteHook = WriteHandler;
    MathErrorHook = MathErrorHandler;
}

std::int32_t ReadHandler(void* buffer, std::int32_t count) {
    if (!FMain->LibraryStream || count < 0) return -1;
    return static_cast<std::int32_t>(FMain->LibraryStream->read(static_cast<char*>(buffer), count));
}

std::int32_t WriteHandler(const void* buffer, std::int32_t count) {
    if (!FMain->LibraryStream || count < 0) return -1;
    return static_cast<std::int32_t>(FMain->LibraryStream->write(static_cast<const char*>(buffer), count));
}

void MathErrorHandler(const char* function, const char* kind) {
    ShowMessage(FMain,
                QStringLiteral("%1: %2 error").arg(QString::fromLatin1(function), QString::fromLatin1(kind)));
}
