// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <array>
#include <limits>

#include "common/program_files.h"
#include "engine/Parser_core.h"
#include "engine_hooks.h"
#include "shared/app_texts.h"
#include "shared/design_names.h"
#include "shared/file_paths.h"
#include "shared/shortcut_precedence.h"
#include "shared/theme_colors.h"

TFMain* FMain = nullptr;

namespace {

constexpr QSize DesignClientSize(486, 188);
constexpr int FormulaRightMargin = 4;

QString PathText(const std::filesystem::path& path) {
    return QDir::cleanPath(QStringOfPath(path));
}

// The decimal separator of the user's locale, when it is a single 8-bit character.
char LocaleDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.front().unicode() < 256) return static_cast<char>(point.front().unicode());
    return '.';
}

QAction* AddItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {}) {
    auto* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

TFMain::TFMain(const QString& programFolder) : programFolder_(programFolder) {
    setWindowTitle(ProgramCaption);
    setFont(DialogFont());
    // Fixed size: single border, minimise button, no maximise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    BuildComponents();
    BuildMenu();
    NameComponents();
    DescribeComponents();
    ConnectCommands();
    Edit_Size_NormalClick();

    InstallEngineHooks();
    DecimalSeparator = LocaleDecimalSeparator();
    engine_.emplace(ReadEngineSettings(PathOf(SettingsFilePath())));
    calculator_.emplace();
    options_ = ReadDesktopOptions(PathOf(SettingsFilePath()));
    Edit_DigitGrouping->setChecked(options_.digitGrouping);
    Edit_RestoreSession->setChecked(options_.restoreSession);
    EngineStateLines();
    // Selected, as an edit selects its text when the keyboard brings it the focus: the first formula
    // typed replaces the placeholder "<formula>".
    EFormel->setFocus();
    EFormel->selectAll();
}

TFMain::~TFMain() {
    FormClose();
}

// Asked anew each time: the preferences may have created the user's file since the last time.
QString TFMain::SettingsFilePath() const {
    return PathText(LocateSettingsFile(PathOf(programFolder_)).readPath);
}

QString TFMain::DocumentationFilePath() const {
    return PathText(LocateDocumentation(PathOf(programFolder_)));
}

void TFMain::BuildComponents() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    EFormel = new QLineEdit(QStringLiteral("<formula>"), client);
    EFormel->setGeometry(8, 8, 474, 25);
    EFormel->setFont(FormulaFont());
    // No length limit: QLineEdit would otherwise cut a pasted formula at 32767 characters.
    EFormel->setMaxLength(std::numeric_limits<int>::max());

    LErgebnis = new QLabel(QStringLiteral("<result>"), client);
    resultText_ = LErgebnis->text();
    auto resultFont = FormulaFont();
    resultFont.setBold(true);
    LErgebnis->setFont(resultFont);
    LErgebnis->setGeometry(8, 39, 474, 18);
    // The result can be selected with the mouse as well as copied with Ins.
    LErgebnis->setTextInteractionFlags(Qt::TextSelectableByMouse);

    GroupBox1 = new QGroupBox(QStringLiteral("Keyboard"), client);
    GroupBox1->setGeometry(8, 63, 182, 119);
    EStoreVar = new QLineEdit(QStringLiteral("a"), GroupBox1);
    EStoreVar->setGeometry(8, 16, 17, 21);
    EStoreVar->setMaxLength(1);
    EStoreVar->setAlignment(Qt::AlignCenter);
    BStoreVar = new cUpDown(GroupBox1);
    BStoreVar->setGeometry(24, 16, 15, 24);
    BM = new QPushButton(QStringLiteral("[M]"), GroupBox1);
    BM->setGeometry(71, 16, 32, 24);
    BMplus = new QPushButton(QStringLiteral("[M+]"), GroupBox1);
    BMplus->setGeometry(110, 16, 32, 24);
    BMminus = new QPushButton(QStringLiteral("[M-]"), GroupBox1);
    BMminus->setGeometry(142, 16, 32, 24);
    BCalculate = new QPushButton(QStringLiteral("Calculate"), GroupBox1);
    BCalculate->setGeometry(8, 86, 64, 25);
    BClear = new QPushButton(QStringLiteral("Clear"), GroupBox1);
    BClear->setGeometry(110, 86, 64, 25);
    for (auto* button : {BM, BMplus, BMminus, BCalculate, BClear})
        button->setAutoDefault(false);
    // Under the memory keys, empty until one of them is used.
    LStore = new QLabel(GroupBox1);
    LStore->setGeometry(8, 52, 166, 16);

    StatusBox = new QGroupBox(QStringLiteral("Engine state"), client);
    StatusBox->setGeometry(197, 63, 285, 119);
    MState = new QPlainTextEdit(QStringLiteral("<engine state>"), StatusBox);
    MState->setGeometry(8, 16, 269, 95);
    MState->setFrameShape(QFrame::NoFrame);
    MState->setReadOnly(true);
    ApplyThemeColors();

    setTabOrder(EFormel, EStoreVar);
    setTabOrder(EStoreVar, BM);
    setTabOrder(BM, BMplus);
    setTabOrder(BMplus, BMminus);
    setTabOrder(BMminus, BCalculate);
    setTabOrder(BCalculate, BClear);
    setTabOrder(BClear, MState);
    EStoreVar->installEventFilter(this);
    EFormel->installEventFilter(this);
}

void TFMain::BuildMenu() {
    auto* bar = menuBar();
    // The menus get Alt mnemonics, so that every command is reachable from the keyboard.
    File_Menue = bar->addMenu(QStringLiteral("&File"));
    auto* file = File_Menue;
    File_Open = AddItem(file, QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    File_Save = AddItem(file, QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S));

    Edit_Menue = bar->addMenu(QStringLiteral("&Edit"));
    auto* edit = Edit_Menue;
    Edit_Constants = AddItem(edit, QStringLiteral("Constants"));
    Edit_Functions = AddItem(edit, QStringLiteral("Functions"));
    Edit_Preferences = AddItem(edit, QStringLiteral("Preferences"));
    Edit_Size = edit->addMenu(QStringLiteral("Size"));
    auto* size = Edit_Size;
    Edit_Size_Tiny = AddItem(size, QStringLiteral("tiny"));
    Edit_Size_Small = AddItem(size, QStringLiteral("small"));
    Edit_Size_Normal = AddItem(size, QStringLiteral("normal"));
    sizeGroup_ = new QActionGroup(this);
    for (auto* item : {Edit_Size_Tiny, Edit_Size_Small, Edit_Size_Normal}) {
        item->setCheckable(true);
        sizeGroup_->addAction(item);
    }
    edit->addSeparator();
    Edit_Calculate = AddItem(edit, QStringLiteral("Calculate"), QKeySequence(Qt::Key_F2));
    Edit_Clear = AddItem(edit, QStringLiteral("Clear"), QKeySequence(Qt::Key_Delete));
    Edit_CopyResult = AddItem(edit, QStringLiteral("Copy result"), QKeySequence(Qt::Key_Insert));
    // Beyond the classic items: the angle mode at once, and the program's own options.
    edit->addSeparator();
    Edit_Angle = edit->addMenu(QStringLiteral("Angle"));
    Edit_Angle_Radians =
        AddItem(Edit_Angle, QStringLiteral("radians"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R));
    Edit_Angle_Degrees =
        AddItem(Edit_Angle, QStringLiteral("degrees"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
    Edit_Angle_Grads =
        AddItem(Edit_Angle, QStringLiteral("grads"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_G));
    angleGroup_ = new QActionGroup(this);
    for (auto* item : {Edit_Angle_Radians, Edit_Angle_Degrees, Edit_Angle_Grads}) {
        item->setCheckable(true);
        angleGroup_->addAction(item);
    }
    Edit_DigitGrouping = AddItem(edit, QStringLiteral("Digit grouping"));
    Edit_DigitGrouping->setCheckable(true);
    Edit_RestoreSession = AddItem(edit, QStringLiteral("Restore session at start"));
    Edit_RestoreSession->setCheckable(true);

    Palettes_Menue = bar->addMenu(QStringLiteral("&Palettes"));
    auto* palettes = Palettes_Menue;
    Palettes_Variables =
        AddItem(palettes, QStringLiteral("Variables"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_V));
    Palettes_Constants =
        AddItem(palettes, QStringLiteral("Constants"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C));
    Palettes_Functions_user = AddItem(palettes, QStringLiteral("Functions (user-defined)"),
                                      QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F));
    Palettes_Functions_builtin = AddItem(palettes, QStringLiteral("Functions (built-in)"),
                                         QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_B));
    palettes->addSeparator();
    Palettes_Plot = AddItem(palettes, QStringLiteral("Plot"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P));
    Palettes_History =
        AddItem(palettes, QStringLiteral("History"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_H));

    Help_Menue = bar->addMenu(QStringLiteral("&Help"));
    auto* help = Help_Menue;
    Help_Dokumentation = AddItem(help, QStringLiteral("Documentation"), QKeySequence(Qt::Key_F1));
    Help_About = AddItem(help, QStringLiteral("About"));

    // Calculating and the palettes are wanted from the palettes and plot windows too: these keys work
    // in every window of the program that does not use them itself (a modal window still blocks them).
    for (auto* action : {Edit_Calculate, Palettes_Variables, Palettes_Constants, Palettes_Functions_user,
                         Palettes_Functions_builtin, Palettes_Plot, Palettes_History, Edit_Angle_Radians,
                         Edit_Angle_Degrees, Edit_Angle_Grads})
        action->setShortcutContext(Qt::ApplicationShortcut);

    QList<QAction*> withShortcuts;
    for (auto* action : findChildren<QAction*>())
        if (!action->shortcut().isEmpty()) withShortcuts.append(action);
    new cShortcutPrecedence(this, withShortcuts);
}

void TFMain::NameComponents() {
    SetDesignNames({tDesignName{menuBar(), "HauptMenue"}});
    SetDesignNames({DESIGN_NAME(EFormel), DESIGN_NAME(LErgebnis), DESIGN_NAME(GroupBox1),
                    DESIGN_NAME(EStoreVar), DESIGN_NAME(BStoreVar), DESIGN_NAME(BM), DESIGN_NAME(BMplus),
                    DESIGN_NAME(BMminus), DESIGN_NAME(BCalculate), DESIGN_NAME(BClear), DESIGN_NAME(LStore),
                    DESIGN_NAME(StatusBox), DESIGN_NAME(MState)});
    SetDesignNames({DESIGN_NAME(File_Menue), DESIGN_NAME(File_Open), DESIGN_NAME(File_Save)});
    SetDesignNames({DESIGN_NAME(Edit_Menue), DESIGN_NAME(Edit_Constants), DESIGN_NAME(Edit_Functions),
                    DESIGN_NAME(Edit_Preferences), DESIGN_NAME(Edit_Size), DESIGN_NAME(Edit_Size_Tiny),
                    DESIGN_NAME(Edit_Size_Small), DESIGN_NAME(Edit_Size_Normal), DESIGN_NAME(Edit_Calculate),
                    DESIGN_NAME(Edit_Clear), DESIGN_NAME(Edit_CopyResult), DESIGN_NAME(Edit_Angle),
                    DESIGN_NAME(Edit_Angle_Radians), DESIGN_NAME(Edit_Angle_Degrees),
                    DESIGN_NAME(Edit_Angle_Grads), DESIGN_NAME(Edit_DigitGrouping),
                    DESIGN_NAME(Edit_RestoreSession)});
    SetDesignNames({DESIGN_NAME(Palettes_Menue), DESIGN_NAME(Palettes_Variables),
                    DESIGN_NAME(Palettes_Constants), DESIGN_NAME(Palettes_Functions_user),
                    DESIGN_NAME(Palettes_Functions_builtin), DESIGN_NAME(Palettes_Plot),
                    DESIGN_NAME(Palettes_History)});
    SetDesignNames({DESIGN_NAME(Help_Menue), DESIGN_NAME(Help_Dokumentation), DESIGN_NAME(Help_About)});
}

// What each control is called by a screen reader, and what it does with its keys as a tooltip.
void TFMain::DescribeComponents() {
    const auto describe = [](QWidget* control, const char* name, const char* tip) {
        control->setAccessibleName(QString::fromLatin1(name));
        control->setToolTip(QString::fromLatin1(tip));
    };
    describe(EFormel, "Formula",
             "The formula to calculate: Enter or F2 calculates it, Up and Down bring back earlier formulas, "
             "Del clears it");
    describe(LErgebnis, "Result",
             "The value of the formula; grey when the formula has changed since. Ins copies it");
    // The letter field and its arrows are one control: the variable the memory keys work on.
    for (QWidget* part : {static_cast<QWidget*>(EStoreVar), static_cast<QWidget*>(BStoreVar),
                          static_cast<QWidget*>(BStoreVar->up), static_cast<QWidget*>(BStoreVar->down)})
        describe(
            part, "Memory variable",
            "The variable a to z the memory keys work on: type the letter, or choose it with Up and Down "
            "or the arrows");
    describe(BM, "Store in variable", "[M]: the memory variable becomes the last result");
    describe(BMplus, "Add to variable", "[M+]: the last result is added to the memory variable");
    describe(BMminus, "Subtract from variable",
             "[M-]: the last result is subtracted from the memory variable");
    describe(BCalculate, "Calculate", "Calculate the formula (F2 or Enter)");
    describe(BClear, "Clear", "Clear the formula and the result (Del)");
    describe(LStore, "Memory variable stored", "The value the last memory key left in its variable");
    describe(MState, "Engine state",
             "The table sizes and the angle mode in use; Edit > Preferences changes them");
}

void TFMain::ConnectCommands() {
    connect(EFormel, &QLineEdit::returnPressed, this, &TFMain::Edit_CalculateClick);
    // A result no longer belongs to a formula that changed since.
    connect(EFormel, &QLineEdit::textChanged, this, [this] { SetResultStale(true); });
    connect(BCalculate, &QPushButton::clicked, this, &TFMain::Edit_CalculateClick);
    connect(Edit_Calculate, &QAction::triggered, this, &TFMain::Edit_CalculateClick);
    connect(BClear, &QPushButton::clicked, this, &TFMain::Edit_ClearClick);
    connect(Edit_Clear, &QAction::triggered, this, &TFMain::Edit_ClearClick);
    connect(Edit_CopyResult, &QAction::triggered, this, &TFMain::Edit_CopyResultClick);
    connect(BStoreVar, &cUpDown::Click, this, &TFMain::BStoreVarClick);
    connect(EStoreVar, &QLineEdit::textChanged, this, &TFMain::EStoreVarChange);
    connect(BM, &QPushButton::clicked, this, &TFMain::BMClick);
    connect(BMplus, &QPushButton::clicked, this, &TFMain::BMplusClick);
    connect(BMminus, &QPushButton::clicked, this, &TFMain::BMminusClick);
    connect(Edit_Size_Tiny, &QAction::triggered, this, &TFMain::Edit_Size_TinyClick);
    connect(Edit_Size_Small, &QAction::triggered, this, &TFMain::Edit_Size_SmallClick);
    connect(Edit_Size_Normal, &QAction::triggered, this, &TFMain::Edit_Size_NormalClick);
    connect(Edit_Constants, &QAction::triggered, this, &TFMain::Edit_ConstantsClick);
    connect(Edit_Functions, &QAction::triggered, this, &TFMain::Edit_FunctionsClick);
    connect(Edit_Preferences, &QAction::triggered, this, &TFMain::Edit_PreferencesClick);
    connect(Palettes_Variables, &QAction::triggered, this, &TFMain::Palettes_VariablesClick);
    connect(Palettes_Constants, &QAction::triggered, this, &TFMain::Palettes_ConstantsClick);
    connect(Palettes_Functions_user, &QAction::triggered, this, &TFMain::Palettes_Functions_userClick);
    connect(Palettes_Functions_builtin, &QAction::triggered, this, &TFMain::Palettes_Functions_builtinClick);
    connect(Palettes_Plot, &QAction::triggered, this, &TFMain::Palettes_PlotClick);
    connect(Palettes_History, &QAction::triggered, this, &TFMain::Palettes_HistoryClick);
    connect(Edit_Angle_Radians, &QAction::triggered, this, [this] { SetAngleMode(0); });
    connect(Edit_Angle_Degrees, &QAction::triggered, this, [this] { SetAngleMode(1); });
    connect(Edit_Angle_Grads, &QAction::triggered, this, [this] { SetAngleMode(2); });
    connect(Edit_DigitGrouping, &QAction::triggered, this, &TFMain::Edit_DigitGroupingClick);
    connect(Edit_RestoreSession, &QAction::triggered, this, &TFMain::Edit_RestoreSessionClick);
    connect(Help_Dokumentation, &QAction::triggered, this, &TFMain::Help_DokumentationClick);
    connect(Help_About, &QAction::triggered, this, &TFMain::Help_AboutClick);
    connect(File_Open, &QAction::triggered, this, &TFMain::File_OpenClick);
    connect(File_Save, &QAction::triggered, this, &TFMain::File_SaveClick);
}

void TFMain::EngineStateLines() {
    static const char* const angleNames[] = {"rad", "deg", "gra"};
    MState->clear();
    MState->appendPlainText(QStringLiteral("memory > constants: %1; functions: %2; ref alloc: %3")
                                .arg(static_cast<std::uint32_t>(MaxConst))
                                .arg(static_cast<std::uint32_t>(MaxFunc))
                                .arg(RefAlloc));
    MState->appendPlainText(QStringLiteral("flags > ") +
                            QString::fromLatin1(AngleMode <= 2 ? angleNames[AngleMode] : "?"));
    ShowAngleMode();
}

void TFMain::ShowAngleMode() {
    const std::array items{Edit_Angle_Radians, Edit_Angle_Degrees, Edit_Angle_Grads};
    for (std::size_t mode = 0; mode < items.size(); ++mode)
        items[mode]->setChecked(static_cast<std::size_t>(AngleMode) == mode);
}

void TFMain::closeEvent(QCloseEvent* event) {
    event->ignore();
    // While the engine works (the window is disabled, events run from the progress handler) its tables
    // must not go away under it: the user may stop the work, and the window closes after it.
    if (Busy()) {
        if (event->spontaneous() && !closeAfterWork_) AskToCancelAndClose();
        return;
    }
    closeAfterWork_ = false;
    if (!OfferToSaveDeclarations()) return;
    if (options_.restoreSession) KeepSession();
    FormClose();
    event->accept();
    emit Closed();
}

void TFMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) ApplyThemeColors();
}

// The result in blue and the engine state on silver, or their counterparts on a dark palette; set
// for every colour group, so that both stay readable while the window is disabled.
void TFMain::ApplyThemeColors() {
    QPalette result = LErgebnis->palette();
    result.setColor(QPalette::WindowText, ResultColor(palette(), resultStale_));
    LErgebnis->setPalette(result);
    const cPanelColors panel = EngineStateColors(palette());
    QPalette state = MState->palette();
    state.setColor(QPalette::Base, panel.background);
    state.setColor(QPalette::Text, panel.text);
    MState->setPalette(state);
}

void TFMain::FormClose() {
    calculator_.reset();
    engine_.reset();
}

bool TFMain::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        const bool arrow = key == Qt::Key_Up || key == Qt::Key_Down;
        // The arrow keys in the letter field work like the arrow buttons beside it; in the formula
        // they walk through the formulas calculated before.
        if (arrow && object == EStoreVar) {
            BStoreVarClick(key == Qt::Key_Up ? cUpDown::Button::Next : cUpDown::Button::Previous);
            return true;
        }
        if (arrow && object == EFormel && (press->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            RecallFormula(key == Qt::Key_Up);
            return true;
        }
    }
    return QMainWindow::eventFilter(object, event);
}
