// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window keeps between runs beyond the formula history: the session (variables,
// constants and functions) when the options ask for it, and a recovery copy of changed declarations
// when the program ends on a signal, as when the desktop session ends, with no one to ask.
#include <QFile>
#include <QSaveFile>
#include <array>
#include <filesystem>
#include <new>
#include <string>

#include "common/declaration_messages.h"
#include "common/formula_history.h"
#include "common/program_files.h"
#include "common/session_variables.h"
#include "engine/Parser_core.h"
#include "engine_hooks.h"
#include "main_window.h"
#include "palettes_window.h"
#include "shared/file_paths.h"
#include "shared/message_boxes.h"

namespace {

namespace fs = std::filesystem;

struct cKeptKind {
    const cDeclarationOperations* kind;
    const char* fileName;
    const char* declarations;
};

// Constants first: functions may use them.
const std::array<cKeptKind, 2> KeptKinds = {{
    {&ConstantDeclarations, "constants.ovc", "constants"},
    {&FunctionDeclarations, "functions.ovf", "functions"},
}};
constexpr const char* VariablesFileName = "variables.txt";

// Beside the formula history: "session" and "recovered" in the user's data folder; nothing without one.
fs::path KeptFolder(const char* name) {
    const fs::path history = LocateHistoryFile().file;
    return history.empty() ? fs::path() : history.parent_path() / name;
}

// While the program ends on a signal the engine's work is cancelled at its next report; what is kept
// then must run to its end, so the engine reports to no one meanwhile.
class cUnreportedWork {
public:
    cUnreportedWork() : progress_(ProgressHook), poll_(PollHook) {
        ProgressHook = [](std::uint16_t, std::uint32_t, std::uint32_t, std::uint32_t) {};
        PollHook = [] {};
    }
    ~cUnreportedWork() {
        ProgressHook = progress_;
        PollHook = poll_;
    }
    cUnreportedWork(const cUnreportedWork&) = delete;
    cUnreportedWork& operator=(const cUnreportedWork&) = delete;

private:
    tProgressHook progress_;
    tPollHook poll_;
};

bool WriteLibrary(const fs::path& path, const cDeclarationOperations& kind) {
    QSaveFile file(QStringOfPath(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    try {
        const cLibraryStreamScope stream(file);
        if (!kind.save()) {
            file.cancelWriting();
            return false;
        }
    } catch (const cCalculationCancelled&) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteText(const fs::path& path, const std::string& text) {
    QSaveFile file(QStringOfPath(path));
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
           file.commit();
}

std::string ReadText(const fs::path& path) {
    QFile file(QStringOfPath(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.read(64 * 1024).toStdString();  // 26 short lines; anything longer is not ours
}

// Loads a kept library into the kind's table; an empty text when it loaded, else why not.
QString ReadLibrary(const fs::path& path, const cDeclarationOperations& kind) {
    QFile file(QStringOfPath(path));
    if (!file.open(QIODevice::ReadOnly)) return file.errorString();
    try {
        const cLibraryStreamScope stream(file);
        const std::int32_t result = kind.load();
        if (result == LoadSucceeded) return {};
        return QString::fromLatin1(LoadFailureText(result));
    } catch (const cCalculationCancelled&) {
        return QStringLiteral("Loading was cancelled.");
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Out of memory.");
    }
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

void Remove(const fs::path& path) {
    std::error_code error;
    fs::remove(path, error);
}

tVariableValues VariablesOf(const cParseTree& tree) {
    tVariableValues values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = tree.GetVariable(static_cast<char>('a' + i));
    return values;
}

}  // namespace

void TFMain::KeepSession() {
    const fs::path folder = KeptFolder("session");
    if (folder.empty() || !CreateFolderFor(folder / VariablesFileName)) return;
    WriteText(folder / VariablesFileName, VariablesText(VariablesOf(calculator_->Tree())));
    for (const cKeptKind& kept : KeptKinds)
        if (kept.kind->count() > 0)
            WriteLibrary(folder / kept.fileName, *kept.kind);
        else
            Remove(folder / kept.fileName);
}

void TFMain::KeepBeforeTermination() {
    if (!calculator_) return;
    const cUnreportedWork quiet;
    const fs::path folder = KeptFolder("recovered");
    for (const cKeptKind& kept : KeptKinds) {
        if (folder.empty() || !savedDeclarations_.Changed(*kept.kind)) continue;
        if (CreateFolderFor(folder / kept.fileName)) WriteLibrary(folder / kept.fileName, *kept.kind);
    }
    if (options_.restoreSession) KeepSession();
}

void TFMain::RestoreAtStart() {
    if (Busy()) return;
    std::array<bool, KeptKinds.size()> recovered{};
    const fs::path recovery = KeptFolder("recovered");
    for (std::size_t i = 0; i < KeptKinds.size() && !recovery.empty(); ++i) {
        const cKeptKind& kept = KeptKinds[i];
        const fs::path file = recovery / kept.fileName;
        if (!Exists(file)) continue;
        if (AskQuestion(this,
                        QStringLiteral("Orvane ended before the changed %1 were saved, and kept a copy of "
                                       "them. Do you want to load it?")
                            .arg(QString::fromLatin1(kept.declarations)))) {
            const QString failure = ReadLibrary(file, *kept.kind);
            if (!failure.isEmpty()) {
                ShowError(this,
                          QStringLiteral("The copy of the %1 could not be loaded.")
                              .arg(QString::fromLatin1(kept.declarations)),
                          failure);
                continue;  // offered again at the next start
            }
            // Still not in a file of the user's: closing offers to save them.
            recovered[i] = true;
            FPalettes->ShowDeclarations(*kept.kind);
        }
        Remove(file);
    }
    if (!options_.restoreSession) return;
    const fs::path session = KeptFolder("session");
    if (session.empty()) return;
    tVariableValues values = VariablesOf(calculator_->Tree());
    ReadVariablesText(ReadText(session / VariablesFileName), values);
    for (std::size_t i = 0; i < values.size(); ++i)
        calculator_->Tree().SetVariable(static_cast<char>('a' + i), values[i]);
    for (std::size_t i = 0; i < KeptKinds.size(); ++i) {
        const cKeptKind& kept = KeptKinds[i];
        const fs::path file = session / kept.fileName;
        if (recovered[i] || kept.kind->count() > 0 || !Exists(file)) continue;
        if (const QString failure = ReadLibrary(file, *kept.kind); !failure.isEmpty()) {
            ShowError(this,
                      QStringLiteral("The %1 of the last session could not be loaded.")
                          .arg(QString::fromLatin1(kept.declarations)),
                      failure);
            continue;
        }
        savedDeclarations_.MarkSaved(*kept.kind);
        FPalettes->ShowDeclarations(*kept.kind);
    }
}
