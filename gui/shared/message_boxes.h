// The typed message boxes of the declaration editor, the palettes and the file commands, captioned
// with the standard titles of their kind. They go through the dialogs seam like every other box.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// A warning box with one OK button.
void ShowWarning(QWidget* parent, const QString& text);
// An error box with one OK button.
void ShowError(QWidget* parent, const QString& text);
// An error box with OK and Cancel; true when the answer is OK (closing the box counts as Cancel).
bool AskError(QWidget* parent, const QString& text);
// An information box with one OK button.
void ShowInformation(QWidget* parent, const QString& text);
// A warning box with OK and Cancel; true when the answer is OK.
bool AskWarning(QWidget* parent, const QString& text);
