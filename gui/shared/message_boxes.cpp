#include "message_boxes.h"

#include "dialogs.h"

namespace {

QMessageBox::StandardButton Box(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                const QString& text, QMessageBox::StandardButtons buttons) {
    return Dialogs().Message(parent, icon, caption, text, buttons);
}

}  // namespace

void ShowWarning(QWidget* parent, const QString& text) {
    Box(parent, QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Ok);
}

void ShowError(QWidget* parent, const QString& text) {
    Box(parent, QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
}

bool AskError(QWidget* parent, const QString& text) {
    return Box(parent, QMessageBox::Critical, QStringLiteral("Error"), text,
               QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void ShowInformation(QWidget* parent, const QString& text) {
    Box(parent, QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok);
}

bool AskWarning(QWidget* parent, const QString& text) {
    return Box(parent, QMessageBox::Warning, QStringLiteral("Warning"), text,
               QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}
