// SPDX-License-Identifier: GPL-3.0-or-later
// The look of the read-only memos of the tool windows: no border, the menu's background colour, a
// vertical scroll bar when the text is longer than the memo.
#pragma once

class QPlainTextEdit;

void MakeReadOnlyMemo(QPlainTextEdit* memo);
