// SPDX-License-Identifier: GPL-3.0-or-later
// A modal read-only window for a long text: the documentation when no text editor can show it.
#pragma once

#include <QDialog>

class cTextViewer : public QDialog {
    Q_OBJECT
public:
    cTextViewer(QWidget* parent, const QString& caption, const QString& text);
};
