// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_viewer.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

cTextViewer::cTextViewer(QWidget* parent, const QString& caption, const QString& text) : QDialog(parent) {
    setWindowTitle(caption);
    auto* view = new QPlainTextEdit(text, this);
    view->setReadOnly(true);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addWidget(buttons);
    resize(720, 560);
}
