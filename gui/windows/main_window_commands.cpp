// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: calculate, clear, copy, the memory keys, sizes and the other windows.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>

#include "common/engine_settings.h"
#include "common/failure_texts.h"
#include "common/program_files.h"
#include "common/result_text.h"
#include "config_window.h"
#include "credits_window.h"
#include "edit_window.h"
#include "engine/Parser_core.h"
#include "engine_hooks.h"
#include "history_window.h"
#include "main_window.h"
#include "palettes_window.h"
#include "plot_window.h"
#include "shared/dialogs.h"
#include "shared/documentation.h"
#include "shared/file_paths.h"
#include "shared/formula_text.h"
#include "shared/message_boxes.h"

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
    // F2 also works from the other windows, so it may arrive while the engine works (a calculation, a
    // load behind the disabled main window): it must not start another run.
    if (Busy()) return;
    const QScopedValueRollback busy(calculating_, true);
    SetCalculateEnabled(false);
    const QString typed = EFormel->text();
    CalculateFormula();
    recall_.Remember(typed, resultText_);
    if (FHistory && FHistory->isVisible()) FHistory->Refresh();
    SetCalculateEnabled(true);
}

// Shows the value of the formula, or the failure; nothing escapes it.
void TFMain::CalculateFormula() {
    const QString typed = EFormel->text();
    if (const qsizetype wide = FirstWideCharacter(typed); wide >= 0) {
        calculator_->ForgetResult();
        ShowFailure(QStringLiteral("parse error"),
                    QStringLiteral("character %1 not understood at character %2")
                        .arg(CharacterName(typed, wide))
                        .arg(wide + 1));
        SelectInFormula(static_cast<int>(wide), static_cast<int>(wide));
        return;
    }
    cMathReportScope reports;
    const cCalculation calculation = calculator_->Calculate(*ToEngineText(typed));
    reports.ShowSummary();
    switch (calculation.outcome) {
        case cCalculation::Outcome::Value:
            ShowResult(FromEngineText(ResultText(calculation.value, DecimalSeparator)));
            return;
        case cCalculation::Outcome::ParseError:
            ShowFailure(QStringLiteral("parse error"), FromEngineText(calculation.detail));
            SelectInFormula(calculation.first, calculation.last);
            return;
        case cCalculation::Outcome::CalcError:
            ShowFailure(QStringLiteral("calc error"), FromEngineText(calculation.detail));
            return;
        case cCalculation::Outcome::Cancelled:
            if (!CancelIsExpected()) ShowMessage(this, QStringLiteral("calculation cancelled"));
            ShowResult(QStringLiteral("<ERROR>"));
            return;
    }
}

void TFMain::ShowFailure(const QString& message, const QString& detail) {
    ShowMessage(this, message, detail);
    ShowResult(QStringLiteral("<ERROR>"));
}

// The characters a parse failure names, once its box has closed: selected, or the caret where an
// operand is missing.
void TFMain::SelectInFormula(int first, int last) {
    EFormel->setFocus();
    if (first < 0 || first > EFormel->text().size()) return;
    if (last >= first)
        EFormel->setSelection(first, last - first + 1);
    else
        EFormel->setCursorPosition(first);
}

void TFMain::ShowResult(const QString& text) {
    resultText_ = text;
    LErgebnis->setText(options_.digitGrouping ? QString::fromStdString(GroupedDigits(text.toStdString()))
                                              : text);
    SetResultStale(false);
}

void TFMain::SetResultStale(bool stale) {
    if (stale == resultStale_) return;
    resultStale_ = stale;
    ApplyThemeColors();
    LErgebnis->setAccessibleDescription(stale ? QStringLiteral("belongs to an earlier formula") : QString());
}

void TFMain::RecallFormula(bool older) {
    if (const auto formula = older ? recall_.Older(EFormel->text()) : recall_.Newer())
        EFormel->setText(*formula);
}

void TFMain::SetCalculateEnabled(bool enabled) {
    BCalculate->setEnabled(enabled);
    Edit_Calculate->setEnabled(enabled);
}

void TFMain::Edit_ClearClick() {
    EFormel->clear();
    calculator_->ForgetResult();
    ShowResult(FromEngineText(ResultText(0.0, DecimalSeparator)));
    EFormel->setFocus();
}

void TFMain::AppendToFormula(const QString& text) {
    EFormel->setText(EFormel->text() + text);
}

void TFMain::Edit_CopyResultClick() {
    Dialogs().SetClipboardText(resultText_);
}

void TFMain::UseFormula(const QString& formula) {
    EFormel->setText(formula);
    activateWindow();
    raise();
    EFormel->setFocus();
    EFormel->selectAll();
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
    ShowStored(StoreLetter(), calculator_->StoreResult(StoreLetter()));
}

void TFMain::BMplusClick() {
    ShowStored(StoreLetter(), calculator_->AddResult(StoreLetter()));
}

void TFMain::BMminusClick() {
    ShowStored(StoreLetter(), calculator_->SubtractResult(StoreLetter()));
}

// The memory keys say what they stored and hand the keyboard back to the formula, so that the next
// formula typed does not go to the key, and replaces the one there.
void TFMain::ShowStored(char letter, double value) {
    LStore->setText(QStringLiteral("%1 = %2").arg(QString(QLatin1Char(letter)),
                                                  FromEngineText(ResultText(value, DecimalSeparator))));
    EFormel->setFocus();
    EFormel->selectAll();
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
    if (Busy()) return;  // the key works from the other windows, also while the engine works
    FPlot->OfferFormula(EFormel->text());
}

void TFMain::Palettes_HistoryClick() {
    FHistory->show();
    FHistory->raise();
    FHistory->activateWindow();
}

// The mode changes at once, and a result on show is calculated anew in it; the preferences show it
// too, as the next start's mode.
void TFMain::SetAngleMode(int mode) {
    if (Busy() || mode < 0 || mode > 2) {
        ShowAngleMode();
        return;
    }
    const bool recalculate = AngleMode != mode && !resultStale_ && resultText_ != QStringLiteral("<ERROR>") &&
                             !EFormel->text().trimmed().isEmpty();
    SwitchAngleMode(static_cast<std::uint16_t>(mode));
    EngineStateLines();
    WriteSetting(CalculationSection, AngleModeKey, mode);
    if (recalculate) Edit_CalculateClick();
}

void TFMain::Edit_DigitGroupingClick() {
    options_.digitGrouping = Edit_DigitGrouping->isChecked();
    const bool stale = resultStale_;
    ShowResult(resultText_);
    SetResultStale(stale);
    WriteSetting(DesktopSection, DigitGroupingKey, options_.digitGrouping ? 1 : 0);
}

void TFMain::Edit_RestoreSessionClick() {
    options_.restoreSession = Edit_RestoreSession->isChecked();
    WriteSetting(DesktopSection, RestoreSessionKey, options_.restoreSession ? 1 : 0);
}

void TFMain::WriteSetting(const char* section, const char* key, int value) {
    const auto path = LocateSettingsFile(PathOf(programFolder_)).writePath;
    if (CreateFolderFor(path) && WriteSettingsKey(path, section, key, value)) return;
    ShowError(this, QStringLiteral("The setting could not be kept in \"%1\": it holds until Orvane closes.")
                        .arg(QStringOfPath(path)));
}

void TFMain::ShowPalette(int tab) {
    if (Busy()) return;  // the keys work from the other windows, also while the engine works
    if (!FPalettes->isVisible()) FPalettes->show();
    FPalettes->PageControl->setCurrentIndex(tab);
}

void TFMain::Help_DokumentationClick() {
    ShowDocumentation(this, DocumentationFilePath());
}
