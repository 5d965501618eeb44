// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/formula_history.h"
#include "shared/dialogs.h"
#include "shared/formula_recall.h"
#include "shared/message_boxes.h"

TFHistory* FHistory = nullptr;

namespace {

// Where the entry's index is kept in its list item: the list shows only entries with a formula.
constexpr int EntryRole = Qt::UserRole;

// A result that can go into a formula: a number, not "<ERROR>", "NAN" or "INF".
bool IsPastable(const QString& result) {
    return !result.isEmpty() && (result.front().isDigit() ||
                                 (result.size() > 1 && result.front() == u'-' && result.at(1).isDigit()));
}

}  // namespace

TFHistory::TFHistory(cFormulaRecall& recall) : QWidget(nullptr, Qt::Tool), recall_(recall) {
    setWindowTitle(QStringLiteral("History"));
    resize(360, 300);
    LHistory = new QListWidget(this);
    LHistory->setObjectName(QStringLiteral("LHistory"));
    LHistory->setAccessibleName(QStringLiteral("Formulas calculated before"));
    LHistory->setToolTip(QStringLiteral(
        "Enter or a double-click puts the formula back into the main window; Ins pastes its result"));
    LHistory->installEventFilter(this);
    BUse = new QPushButton(QStringLiteral("Use formula"), this);
    BPaste = new QPushButton(QStringLiteral("Paste result"), this);
    BClear = new QPushButton(QStringLiteral("Clear history"), this);
    auto* buttons = new QHBoxLayout;
    for (auto* button : {BUse, BPaste, BClear}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LHistory);
    layout->addLayout(buttons);

    connect(BUse, &QPushButton::clicked, this, &TFHistory::BUseClick);
    connect(BPaste, &QPushButton::clicked, this, &TFHistory::BPasteClick);
    connect(BClear, &QPushButton::clicked, this, &TFHistory::BClearClick);
    connect(LHistory, &QListWidget::itemActivated, this, &TFHistory::BUseClick);
    connect(LHistory, &QListWidget::currentRowChanged, this, &TFHistory::EnableButtons);
}

void TFHistory::Refresh() {
    const cFormulaHistory& history = recall_.History();
    const auto& formulas = history.Entries();
    const auto& results = history.Results();
    LHistory->clear();
    for (std::size_t i = 0; i < formulas.size(); ++i) {
        QString line = QString::fromStdString(formulas[i]);
        if (!results[i].empty()) line += QStringLiteral(" = ") + QString::fromStdString(results[i]);
        auto* item = new QListWidgetItem(line, LHistory);
        item->setData(EntryRole, static_cast<int>(i));
    }
    LHistory->setCurrentRow(LHistory->count() - 1);
    LHistory->scrollToBottom();
    EnableButtons();
}

int TFHistory::SelectedEntry() const {
    const QListWidgetItem* item = LHistory->currentItem();
    return item ? item->data(EntryRole).toInt() : -1;
}

void TFHistory::EnableButtons() {
    const int entry = SelectedEntry();
    BUse->setEnabled(entry >= 0);
    BPaste->setEnabled(entry >= 0 && IsPastable(QString::fromStdString(
                                         recall_.History().Results()[static_cast<std::size_t>(entry)])));
    BClear->setEnabled(LHistory->count() > 0);
}

void TFHistory::BUseClick() {
    const int entry = SelectedEntry();
    if (entry < 0) return;
    emit FormulaChosen(QString::fromStdString(recall_.History().Entries()[static_cast<std::size_t>(entry)]));
}

void TFHistory::BPasteClick() {
    const int entry = SelectedEntry();
    if (entry < 0) return;
    const QString result =
        QString::fromStdString(recall_.History().Results()[static_cast<std::size_t>(entry)]);
    // A negative result in brackets, so that it follows an operator as one operand: 2*(-5).
    if (IsPastable(result))
        emit PasteRequested(result.startsWith(u'-') ? QStringLiteral("(%1)").arg(result) : result);
}

void TFHistory::BClearClick() {
    if (!AskQuestion(this,
                     QStringLiteral("Do you want to clear the formula history of Orvane and orvane-cli?")))
        return;
    if (!recall_.Clear()) ShowError(this, QStringLiteral("The history file could not be cleared."));
    Refresh();
}

void TFHistory::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
    LHistory->setFocus();
}

bool TFHistory::eventFilter(QObject* object, QEvent* event) {
    if (object == LHistory && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert) {
        BPasteClick();
        return true;
    }
    return QWidget::eventFilter(object, event);
}
