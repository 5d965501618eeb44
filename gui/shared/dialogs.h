// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs seam: every message box, open and save dialog, text viewer and clipboard write of the
// program goes through Dialogs(), so that tests can answer them and see what was shown.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QWidget;

// A file chosen in an open or save dialog and the index (from 0) of the filter that was selected.
struct cFileChoice {
    QString path;
    int filterIndex = 0;
};

class cDialogs {
public:
    virtual ~cDialogs() = default;

    // A modal message box; answers the button that closed it. A detail, when there is one, says more
    // in smaller words under the text (what went wrong and where).
    virtual QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& caption, const QString& text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                const QString& detail = {}) = 0;
    // Open dialog for an existing file; filters like "Orvane constant library file (*.ovc)".
    virtual std::optional<cFileChoice> OpenFile(QWidget* parent, const QString& caption,
                                                const QStringList& filters) = 0;
    // Save dialog without an overwrite question of its own (the caller asks).
    virtual std::optional<cFileChoice> SaveFile(QWidget* parent, const QString& caption,
                                                const QStringList& filters) = 0;
    // A modal read-only window showing a long text.
    virtual void ShowText(QWidget* parent, const QString& caption, const QString& text) = 0;
    virtual void SetClipboardText(const QString& text) = 0;
};

// The dialogs in use: the real Qt ones unless a cDialogsOverride is alive.
cDialogs& Dialogs();

// The message box the program shows, not yet shown: at least wide enough for a caption and a short
// sentence on one line (a box as narrow as its text cut its caption to "O…e").
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                            const QString& text, QMessageBox::StandardButtons buttons,
                                            const QString& detail = {});

// The simple message box: caption "Orvane", the text, one OK button.
void ShowMessage(QWidget* parent, const QString& text, const QString& detail = {});

// Routes Dialogs() to replacement for its lifetime (tests).
class cDialogsOverride {
public:
    explicit cDialogsOverride(cDialogs& replacement);
    ~cDialogsOverride();
    cDialogsOverride(const cDialogsOverride&) = delete;
    cDialogsOverride& operator=(const cDialogsOverride&) = delete;

private:
    cDialogs* previous_;
};
