// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the formula, its result, the memory keys and the engine state. Constructing it
// joins the program to the engine (hooks, settings, engine tables, the window's own parse tree);
// closing it tears the engine down, after offering to save declarations that were changed.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>

#include "common/calculator.h"
#include "common/desktop_options.h"
#include "common/engine_session.h"
#include "saved_declarations.h"
#include "shared/formula_recall.h"
#include "shared/up_down.h"

class QAction;
class QActionGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
struct cDeclarationOperations;

class TFMain : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: the folder of the running executable; where "Orvane.ini" and "readme.txt" are
    // follows from it (program_files.h).
    explicit TFMain(const QString& programFolder);
    ~TFMain() override;

    // The settings file read at start and shown by the preferences (program_files.h).
    QString SettingsFilePath() const;
    QString DocumentationFilePath() const;

    // Commands (menu items and buttons).
    void Edit_CalculateClick();
    void Edit_ClearClick();
    void Edit_CopyResultClick();
    void BStoreVarClick(cUpDown::Button button);
    void EStoreVarChange();
    void BMClick();
    void BMplusClick();
    void BMminusClick();
    void Edit_Size_TinyClick();
    void Edit_Size_SmallClick();
    void Edit_Size_NormalClick();
    void Edit_ConstantsClick();
    void Edit_FunctionsClick();
    void Edit_PreferencesClick();
    void Palettes_VariablesClick();
    void Palettes_ConstantsClick();
    void Palettes_Functions_userClick();
    void Palettes_Functions_builtinClick();
    void Palettes_PlotClick();
    void Palettes_HistoryClick();
    // The angle mode now and for the next start: 0 radians, 1 degrees, 2 grads.
    void SetAngleMode(int mode);
    void Edit_DigitGroupingClick();
    void Edit_RestoreSessionClick();
    void Help_DokumentationClick();
    void Help_AboutClick();
    // File > Open and File > Save load and save library files through the engine's hooks.
    void File_OpenClick();
    void File_SaveClick();
    // Appends a name or template to the formula (the palettes' Paste).
    void AppendToFormula(const QString& text);
    // Puts a formula from the History window into the field, selected, and the window to the front.
    void UseFormula(const QString& formula);

    // After the window is shown: the kept session, when the options ask for it, and a recovery copy of
    // declarations that an ended session could not save.
    void RestoreAtStart();
    // The program is ending on a signal (a session that ends): declarations changed since they were last
    // saved are kept for the next start, and the session when the options ask for it.
    void KeepBeforeTermination();

    // The formulas calculated before, which Up and Down walk and the History window lists.
    cFormulaRecall& Recall() { return recall_; }

    // The calculator behind the window: its parse tree MainTree() with the variables a to z, the last
    // result, the memory keys. It exists from the constructor until the window closes.
    cCalculator& Calculator() { return *calculator_; }
    cParseTree* MainTree() { return calculator_ ? &calculator_->Tree() : nullptr; }
    double LastResult() const { return calculator_ ? calculator_->LastResult() : 0.0; }
    std::int32_t LastRefreshSecond = 0;

    // Components, named as in the form's design.
    QLineEdit* EFormel;
    QLabel* LErgebnis;
    QGroupBox* GroupBox1;
    QLineEdit* EStoreVar;
    cUpDown* BStoreVar;
    QPushButton* BM;
    QPushButton* BMplus;
    QPushButton* BMminus;
    QPushButton* BCalculate;
    QPushButton* BClear;
    QLabel* LStore;  // what the last memory key stored, "a = 42"
    QGroupBox* StatusBox;
    QPlainTextEdit* MState;

    QMenu* File_Menue;
    QMenu* Edit_Menue;
    QMenu* Edit_Size;
    QMenu* Palettes_Menue;
    QMenu* Help_Menue;
    QAction* File_Open;
    QAction* File_Save;
    QAction* Edit_Constants;
    QAction* Edit_Functions;
    QAction* Edit_Preferences;
    QAction* Edit_Size_Tiny;
    QAction* Edit_Size_Small;
    QAction* Edit_Size_Normal;
    QAction* Edit_Calculate;
    QAction* Edit_Clear;
    QAction* Edit_CopyResult;
    QAction* Palettes_Variables;
    QAction* Palettes_Constants;
    QAction* Palettes_Functions_user;
    QAction* Palettes_Functions_builtin;
    QAction* Palettes_Plot;
    QAction* Palettes_History;
    QMenu* Edit_Angle;
    QAction* Edit_Angle_Radians;
    QAction* Edit_Angle_Degrees;
    QAction* Edit_Angle_Grads;
    QAction* Edit_DigitGrouping;
    QAction* Edit_RestoreSession;
    QAction* Help_Dokumentation;
    QAction* Help_About;

signals:
    // The window has closed and the engine is down; the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void BuildComponents();
    void BuildMenu();
    void NameComponents();
    void DescribeComponents();
    void ConnectCommands();
    void EngineStateLines();
    void FormClose();
    void CalculateFormula();
    void ShowFailure(const QString& message, const QString& detail = {});
    void SelectInFormula(int first, int last);
    void SetCalculateEnabled(bool enabled);
    char StoreLetter() const;
    void ShowStored(char letter, double value);
    void SetSize(QAction* item, int outerWidth, int outerHeight);
    void ShowPalette(int tab);
    void RecallFormula(bool older);
    void ShowResult(const QString& text);
    void SetResultStale(bool stale);
    void ApplyThemeColors();
    void ShowAngleMode();
    // Writes one key of Orvane.ini; says so when it cannot.
    void WriteSetting(const char* section, const char* key, int value);
    // The kept session: variables, constants and functions.
    void KeepSession();
    void RestoreSession();
    void OfferRecoveredDeclarations();

    // Closing: while the engine works the user is asked whether to cancel, and the window closes once
    // the work has stopped; declarations changed since they were last saved are offered for saving.
    bool Busy() const;
    void AskToCancelAndClose();
    void CloseWhenIdle();
    bool OfferToSaveDeclarations();
    // File > Save offering the given library filters; true when a library was written.
    bool SaveLibrary(const QList<int>& filterIndexes);
    // True when the work was cancelled because the program is closing: no box needs to say so.
    bool CancelIsExpected() const;
    void ReportCancelled(const QString& text);

    QString programFolder_;
    QActionGroup* sizeGroup_;
    QActionGroup* angleGroup_;
    cDesktopOptions options_;
    QString resultText_;  // as calculated, without the blanks of digit grouping
    bool calculating_ = false;
    bool resultStale_ = false;
    bool closeAfterWork_ = false;
    cFormulaRecall recall_;
    cSavedDeclarations savedDeclarations_;
    // Declared in this order so that the calculator's tree goes before the engine tables it may refer
    // to.
    std::optional<cEngineSession> engine_;
    std::optional<cCalculator> calculator_;
};

extern TFMain* FMain;
