// SPDX-License-Identifier: GPL-3.0-or-later
// The palettes tool window: variables, constants, user functions and built-in function templates.
// Every list is rebuilt from the engine each time its tab is shown, so a list's row is the entry's
// index in the engine's table.
#pragma once

#include <QWidget>
#include <array>

struct cDeclarationOperations;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The templates the built-in tab lists and pastes, in list order.
extern const std::array<const char*, 19> BuiltinTemplates;

class TFPalettes : public QWidget {
    Q_OBJECT
public:
    TFPalettes();

    // Tab indexes, as the Palettes menu selects them.
    enum Tab { VariablesTab = 0, ConstantsTab = 1, UserFunctionsTab = 2, BuiltinFunctionsTab = 3 };

    // Rebuild a tab. The library loader and the declaration editor call the constant and function
    // ones after a successful commit, whether or not the window is visible.
    void SVariablesShow();
    void SConstantsShow();
    void SUserFuncShow();
    void SBuiltinFuncShow();
    // Rebuilds the list of that kind of declaration (constants or user functions).
    void ShowDeclarations(const cDeclarationOperations& kind);

    void BConstPasteClick();
    void BUserFuncPasteClick();
    void BBuiltinFuncPasteClick();
    void BConstDefClick();
    void BConstDescClick();
    void BUserFuncDefClick();
    void BUserFuncDescClick();
    void BBuiltinFuncDescClick();

    QTabWidget* PageControl;
    QWidget* SVariables;
    QWidget* SConstants;
    QWidget* SUserFunc;
    QWidget* SBuiltinFunc;

    QPlainTextEdit* MVarState;
    QPushButton* BRefresh;
    QListWidget* LConst;
    QPushButton* BConstDesc;
    QPushButton* BConstDef;
    QPushButton* BConstPaste;
    QListWidget* LUserFunc;
    QPushButton* BUserFuncDesc;
    QPushButton* BUserFuncDef;
    QPushButton* BUserFuncPaste;
    QListWidget* LBuiltinFunc;
    QPushButton* BBuiltinFuncDesc;
    QPushButton* BBuiltinFuncPaste;

signals:
    // Paste: a name or template to append to the formula.
    void PasteRequested(const QString& text);

protected:
    // Showing the window rebuilds the tab that is active.
    void showEvent(QShowEvent* event) override;

private:
    void BuildVariablesTab();
    void BuildConstantsTab();
    void BuildUserFunctionsTab();
    void BuildBuiltinFunctionsTab();
    void ConnectHandlers();
    void ShowTab(int index);
};

extern TFPalettes* FPalettes;
