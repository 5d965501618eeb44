// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Documentation: readme.txt in a text editor of the platform, or in a viewer of our own.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

struct cEditorCommand {
    QString program;
    QStringList arguments;  // the file's path is appended as one more argument
};

// The editor to run: the command in $VISUAL, else notepad.exe on Windows and elsewhere the first
// desktop text editor found on PATH; nothing when there is none.
std::optional<cEditorCommand> FindTextEditor();

// Runs the editor on path, without a shell, and waits until it ends; when there is no editor or it
// fails, shows the file in a read-only window. A missing file is reported in a message box.
void ShowDocumentation(QWidget* parent, const QString& path);
