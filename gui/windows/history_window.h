// SPDX-License-Identifier: GPL-3.0-or-later
// The History tool window: the formulas calculated before, in this and earlier sessions and by
// orvane-cli too, each with the result it gave, newest last. A formula goes back into the main
// window's field, a result onto the end of its formula; the history can be cleared. It is the history
// that Up and Down walk.
#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class cFormulaRecall;

class TFHistory : public QWidget {
    Q_OBJECT
public:
    explicit TFHistory(cFormulaRecall& recall);

    // Lists the history anew, the newest entry selected; the main window calls it after each
    // calculation.
    void Refresh();

    // Commands.
    void BUseClick();    // Enter or a double-click: the selected formula replaces the main window's
    void BPasteClick();  // Ins: the selected result goes onto the end of the main window's formula
    void BClearClick();

    QListWidget* LHistory;
    QPushButton* BUse;
    QPushButton* BPaste;
    QPushButton* BClear;

signals:
    void FormulaChosen(const QString& formula);
    void PasteRequested(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    int SelectedEntry() const;
    void EnableButtons();

    cFormulaRecall& recall_;
};

extern TFHistory* FHistory;
