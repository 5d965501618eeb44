// SPDX-License-Identifier: GPL-3.0-or-later
// The typed message boxes of the declaration editor, the palettes and the file commands, captioned
// with the standard titles of their kind. They go through the dialogs seam like every other box; a
// detail, when given, says what went wrong and where.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// A warning box with one OK button.
void ShowWarning(QWidget* parent, const QString& text);
// An error box with one OK button.
void ShowError(QWidget* parent, const QString& text, const QString& detail = {});
// An error box with OK and Cancel; true when the answer is OK (closing the box counts as Cancel).
bool AskError(QWidget* parent, const QString& text, const QString& detail = {});
// An information box with one OK button.
void ShowInformation(QWidget* parent, const QString& text);
// A warning box with OK and Cancel; true when the answer is OK.
bool AskWarning(QWidget* parent, const QString& text);
// A question box captioned "Orvane" with Yes and No; true when the answer is Yes.
bool AskQuestion(QWidget* parent, const QString& text);
// A warning box with Save, Discard and Cancel; answers the button (closing the box counts as Cancel).
QMessageBox::StandardButton AskSaveChanges(QWidget* parent, const QString& text);
