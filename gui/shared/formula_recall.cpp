// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula_recall.h"

cFormulaRecall::cFormulaRecall() : history_(SharedFormulaHistory()) {}

void cFormulaRecall::Remember(const QString& formula, const QString& result) {
    history_.Add(formula.toStdString(), result.toStdString());
    stepsBack_ = 0;
}

bool cFormulaRecall::Clear() {
    stepsBack_ = 0;
    return history_.Clear();
}

std::optional<QString> cFormulaRecall::Older(const QString& current) {
    if (static_cast<std::size_t>(stepsBack_) >= history_.Entries().size()) return std::nullopt;
    if (stepsBack_ == 0) typed_ = current;
    return Entry(++stepsBack_);
}

std::optional<QString> cFormulaRecall::Newer() {
    if (stepsBack_ == 0) return std::nullopt;
    --stepsBack_;
    return stepsBack_ == 0 ? typed_ : Entry(stepsBack_);
}

QString cFormulaRecall::Entry(int stepsBack) const {
    const auto& entries = history_.Entries();
    return QString::fromStdString(entries[entries.size() - static_cast<std::size_t>(stepsBack)]);
}
