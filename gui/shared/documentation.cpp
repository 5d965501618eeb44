// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentation.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "dialogs.h"

namespace {

bool RunEditor(const cEditorCommand& editor, const QString& path) {
    QProcess process;
    process.setProgram(editor.program);
    process.setArguments(editor.arguments + QStringList{path});
    // Standard input gets end-of-file at once, so that an editor that needs a terminal ends instead of
    // waiting for input that can never come.
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted()) return false;
    // The program waits for the editor to end, as it always has: its windows do not respond meanwhile.
    process.waitForFinished(-1);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void ShowInViewer(QWidget* parent, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage(parent, QStringLiteral("Error: The documentation file %1 could not be read.").arg(path));
        return;
    }
    Dialogs().ShowText(parent, QFileInfo(path).fileName(), QString::fromUtf8(file.readAll()));
}

}  // namespace

std::optional<cEditorCommand> FindTextEditor() {
    const QStringList visual = QProcess::splitCommand(qEnvironmentVariable("VISUAL"));
    if (!visual.isEmpty()) return cEditorCommand{visual.front(), visual.mid(1)};
#ifdef Q_OS_WIN
    return cEditorCommand{QStringLiteral("notepad.exe"), {}};
#else
    static const char* const desktopEditors[] = {"gnome-text-editor", "gedit", "kate", "kwrite",
                                                 "mousepad",          "pluma", "xed",  "featherpad",
                                                 "leafpad",           "geany"};
    for (const char* name : desktopEditors) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!program.isEmpty()) return cEditorCommand{program, {}};
    }
    return std::nullopt;
#endif
}

void ShowDocumentation(QWidget* parent, const QString& path) {
    if (!QFileInfo::exists(path)) {
        ShowMessage(parent, QStringLiteral("Error: The documentation file %1 could not be found.").arg(path));
        return;
    }
    const auto editor = FindTextEditor();
    if (editor && RunEditor(*editor, path)) return;
    ShowInViewer(parent, path);
}
