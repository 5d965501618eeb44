// The main window's commands: calculate, clear, copy, the memory keys, sizes and the other windows.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>

#include "Parser_core.h"
#include "config_window.h"
#include "credits_window.h"
#include "dialogs.h"
#include "documentation.h"
#include "edit_window.h"
#include "formula_text.h"
#include "main_window.h"
#include "palettes_window.h"
#include "plot_window.h"
#include "result_text.h"

namespace {

// The window's outer sizes of the Size menu, and what the window frame takes of them: the frame
// borders 16 pixels across, title bar, menu and borders 49 pixels down.
constexpr int FrameWidth = 16;
constexpr int FrameHeight = 49;
constexpr int NarrowWidth = 205;
constexpr int WideWidth = 502;
constexpr int ShortHeight = 110;
constexpr int TallHeight = 237;
constexpr int FormulaMargins = 12;  // 8 to the left of the formula, 4 to the right

}  // namespace

void TFMain::Edit_CalculateClick() {
    if (calculating_) return;  // a shortcut arriving while the engine works must not start another run
    const QScopedValueRollback busy(calculating_, true);
    SetCalculateEnabled(false);
    CalculateFormula();
    SetCalculateEnabled(true);
}

// Shows the value of the formula, or the failure; nothing escapes it.
void TFMain::CalculateFormula() {
    // A formula that has no 8-bit form (a character above code 255) cannot be parsed.
    const auto formula = ToEngineText(EFormel->text());
    try {
        if (!formula) throw cParseFailure("character above code 255");
        mainTree_->Parse(*formula);
    } catch (...) {
        ShowFailure(QStringLiteral("parse error"));
        return;
    }
    try {
        LastResult = mainTree_->Evaluate();
    } catch (...) {
        ShowFailure(QStringLiteral("calc error"));
        return;
    }
    LErgebnis->setText(FromEngineText(ResultText(LastResult, DecimalSeparator)));
}

void TFMain::ShowFailure(const QString& message) {
    LastResult = 0.0;
    ShowMessage(this, message);
    LErgebnis->setText(QStringLiteral("<ERROR>"));
}

void TFMain::SetCalculateEnabled(bool enabled) {
    BCalculate->setEnabled(enabled);
    Edit_Calculate->setEnabled(enabled);
}

void TFMain::Edit_ClearClick() {
    EFormel->clear();
    LastResult = 0.0;
    LErgebnis->setText(FromEngineText(ResultText(0.0, DecimalSeparator)));
    EFormel->setFocus();
}

void TFMain::Edit_CopyResultClick() {
    Dialogs().SetClipboardText(LErgebnis->text());
}

void TFMain::BStoreVarClick(cUpDown::Button button) {
    char letter = StoreLetter();
    if (button == cUpDown::Button::Next && letter < 'z') ++letter;
    if (button == cUpDown::Button::Previous && letter > 'a') --letter;
    EStoreVar->setText(QString(QLatin1Char(letter)));
}

void TFMain::EStoreVarChange() {
    const QString text = EStoreVar->text();
    if (text.isEmpty() || text.front() < QLatin1Char('a') || text.front() > QLatin1Char('z')) {
        EStoreVar->setText(QStringLiteral("a"));
        // Typing over the letter selects the field's whole text again, so the next key replaces it.
        EStoreVar->selectAll();
    }
}

char TFMain::StoreLetter() const {
    const QString text = EStoreVar->text();
    return text.isEmpty() ? 'a' : static_cast<char>(text.front().unicode());
}

void TFMain::BMClick() {
    mainTree_->SetVariable(StoreLetter(), LastResult);
}

void TFMain::BMplusClick() {
    const char letter = StoreLetter();
    mainTree_->SetVariable(letter, mainTree_->GetVariable(letter) + LastResult);
}

void TFMain::BMminusClick() {
    const char letter = StoreLetter();
    mainTree_->SetVariable(letter, mainTree_->GetVariable(letter) - LastResult);
}

void TFMain::Edit_Size_TinyClick() {
    SetSize(Edit_Size_Tiny, NarrowWidth, ShortHeight);
}
void TFMain::Edit_Size_SmallClick() {
    SetSize(Edit_Size_Small, NarrowWidth, TallHeight);
}
void TFMain::Edit_Size_NormalClick() {
    SetSize(Edit_Size_Normal, WideWidth, TallHeight);
}

void TFMain::SetSize(QAction* item, int outerWidth, int outerHeight) {
    // The action group has already moved the check mark when the item was triggered; the size itself
    // tells whether anything is to do.
    const QSize client(outerWidth - FrameWidth, outerHeight - FrameHeight);
    item->setChecked(true);
    if (centralWidget()->size() == client && size().width() == client.width()) return;
    EFormel->resize(client.width() - FormulaMargins, EFormel->height());
    centralWidget()->setFixedSize(client);
    setFixedSize(client.width(), menuBar()->heightForWidth(client.width()) + client.height());
}

void TFMain::Edit_ConstantsClick() {
    FEdit->Mode = 1;
    FEdit->exec();
}

void TFMain::Edit_FunctionsClick() {
    FEdit->Mode = 0;
    FEdit->exec();
}

void TFMain::Edit_PreferencesClick() {
    FConfig->exec();
}

void TFMain::Help_AboutClick() {
    FCredits->exec();
}

void TFMain::Palettes_VariablesClick() {
    ShowPalette(TFPalettes::VariablesTab);
}
void TFMain::Palettes_ConstantsClick() {
    ShowPalette(TFPalettes::ConstantsTab);
}
void TFMain::Palettes_Functions_userClick() {
    ShowPalette(TFPalettes::UserFunctionsTab);
}
void TFMain::Palettes_Functions_builtinClick() {
    ShowPalette(TFPalettes::BuiltinFunctionsTab);
}

// The plot window, offered the formula when it is a function of x.
void TFMain::Palettes_PlotClick() {
    FPlot->OfferFormula(EFormel->text());
}

void TFMain::ShowPalette(int tab) {
    if (!FPalettes->isVisible()) FPalettes->show();
    FPalettes->PageControl->setCurrentIndex(tab);
}

void TFMain::Help_DokumentationClick() {
    ShowDocumentation(this, DocumentationFilePath());
}
