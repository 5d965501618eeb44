// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_boxes.h"

#include "dialogs.h"

namespace {

const QString WarningCaption = QStringLiteral("Warning");
const QString ErrorCaption = QStringLiteral("Error");

}  // namespace

void ShowWarning(QWidget* parent, const QString& text) {
    Dialogs().Message(parent, QMessageBox::Warning, WarningCaption, text, QMessageBox::Ok);
}

void ShowError(QWidget* parent, const QString& text, const QString& detail) {
    Dialogs().Message(parent, QMessageBox::Critical, ErrorCaption, text, QMessageBox::Ok, detail);
}

bool AskError(QWidget* parent, const QString& text, const QString& detail) {
    return Dialogs().Message(parent, QMessageBox::Critical, ErrorCaption, text,
                             QMessageBox::Ok | QMessageBox::Cancel, detail) == QMessageBox::Ok;
}

void ShowInformation(QWidget* parent, const QString& text) {
    Dialogs().Message(parent, QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok);
}

bool AskWarning(QWidget* parent, const QString& text) {
    return Dialogs().Message(parent, QMessageBox::Warning, WarningCaption, text,
                             QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool AskQuestion(QWidget* parent, const QString& text) {
    return Dialogs().Message(parent, QMessageBox::Question, QStringLiteral("Orvane"), text,
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QMessageBox::StandardButton AskSaveChanges(QWidget* parent, const QString& text) {
    const auto answer = Dialogs().Message(parent, QMessageBox::Warning, WarningCaption, text,
                                          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    return answer == QMessageBox::Save || answer == QMessageBox::Discard ? answer : QMessageBox::Cancel;
}
