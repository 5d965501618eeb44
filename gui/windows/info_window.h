// SPDX-License-Identifier: GPL-3.0-or-later
// The info text window: one text under a caption chosen by its caller.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TFInfoText : public QDialog {
    Q_OBJECT
public:
    TFInfoText();

    void BOkClick();

    QPlainTextEdit* MInfoText;
    QPushButton* BOk;
};

extern TFInfoText* FInfoText;

// Sets the window's caption and text and shows it modally; returns when it has been closed.
void ShowInfoText(TFInfoText* window, const QString& caption, const QString& text);
