// SPDX-License-Identifier: GPL-3.0-or-later
#include "info_window.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "shared/app_texts.h"
#include "shared/design_names.h"
#include "shared/read_only_memo.h"

TFInfoText* FInfoText = nullptr;

TFInfoText::TFInfoText() {
    setWindowFlags(Qt::Tool);
    setWindowTitle(QStringLiteral("Info"));
    setFont(DialogFont());
    setFixedSize(264, 110);
    move(341, 202);

    MInfoText = new QPlainTextEdit(QStringLiteral("<Info>"), this);
    MInfoText->setGeometry(8, 8, 249, 65);
    MakeReadOnlyMemo(MInfoText);

    BOk = new QPushButton(QStringLiteral("OK"), this);
    BOk->setGeometry(184, 80, 75, 25);
    BOk->setDefault(true);
    connect(BOk, &QPushButton::clicked, this, &TFInfoText::BOkClick);
    SetDesignNames({DESIGN_NAME(MInfoText), DESIGN_NAME(BOk)});
}

void TFInfoText::BOkClick() {
    accept();
}

void ShowInfoText(TFInfoText* window, const QString& caption, const QString& text) {
    window->setWindowTitle(caption);
    window->MInfoText->setPlainText(text);
    // The reader starts at the top of a long text, with the OK button ready for Enter.
    window->BOk->setFocus();
    window->exec();
}
