// SPDX-License-Identifier: GPL-3.0-or-later
// Up and Down in the formula field: a walk through the formulas calculated before, newest first, like a
// shell. Going down past the newest gives back what was being typed.
#pragma once

#include <QString>
#include <optional>

#include "common/formula_history.h"

class cFormulaRecall {
public:
    // The history both programs share (common/program_files.h says where).
    cFormulaRecall();

    // A formula has been calculated: it becomes the newest entry and the walk starts again from the
    // formula being typed. A file that cannot be written is passed over, as is a file the history
    // leaves alone (cFormulaHistory::Problem): the window has no place to say so.
    // result: the text shown for it, empty when there was none.
    void Remember(const QString& formula, const QString& result = {});

    // The whole history, for the History window.
    const cFormulaHistory& History() const { return history_; }
    // Empties it, for both programs; false when the file could not be emptied.
    bool Clear();

    // The formula one step older or newer than the one shown, or nothing when there is none.
    // current: the field's text, kept as the typed formula when the walk starts.
    std::optional<QString> Older(const QString& current);
    std::optional<QString> Newer();

private:
    QString Entry(int stepsBack) const;

    cFormulaHistory history_;
    int stepsBack_ = 0;  // 0: the formula being typed; 1: the newest entry; ...
    QString typed_;
};
