// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_only_memo.h"

#include <QPalette>
#include <QPlainTextEdit>

void MakeReadOnlyMemo(QPlainTextEdit* memo) {
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    memo->setPalette(palette);
    // Keyboard users can still scroll and select in the memo; Tab moves on instead of inserting.
    memo->setTabChangesFocus(true);
}
