// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettes_window.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>

#include "common/orvane_utils.h"
#include "common/result_text.h"
#include "engine/Parser_core.h"
#include "info_window.h"
#include "main_window.h"
#include "shared/app_texts.h"
#include "shared/declaration_list.h"
#include "shared/declaration_text.h"
#include "shared/design_names.h"
#include "shared/formula_text.h"
#include "shared/list_selection.h"
#include "shared/message_boxes.h"
#include "shared/read_only_memo.h"

TFPalettes* FPalettes = nullptr;

const std::array<const char*, 19> BuiltinTemplates = {
    "ln(x)",
    "exp(x)",
    "sqrt(x)",
    "sin(x)",
    "cos(x)",
    "tan(x)",
    "arcsin(x)",
    "arccos(x)",
    "arctan(x)",
    "sinh(x)",
    "cosh(x)",
    "tanh(x)",
    "e()",
    "pi()",
    "sum(<var 'a'-'z'>;<from>;<to>;<expression>)",
    "pro(<var 'a'-'z'>;<from>;<to>;<expression>)",
    "integral(<var 'a'-'z'>;<from>;<to>;<expression>)",
    "derivative(<var 'a'-'z'>;<at>;<expression>)",
    "solve(<var 'a'-'z'>;<a [a;b]>;<b [a;b]>;<expression>)",
};

namespace {

constexpr QRect ListGeometry(8, 8, 105, 161);
constexpr int ButtonLeft = 136;
constexpr QSize ButtonSize(75, 25);

QPushButton* AddButton(QWidget* sheet, const QString& caption, int top) {
    auto* button = new QPushButton(caption, sheet);
    button->setGeometry(QRect(QPoint(ButtonLeft, top), ButtonSize));
    button->setAutoDefault(false);
    return button;
}

QListWidget* AddList(QWidget* sheet) {
    auto* list = new QListWidget(sheet);
    list->setGeometry(ListGeometry);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

// With nothing selected, or a stale list, nothing.
std::optional<std::string> SelectedDeclarationName(const QListWidget* list,
                                                   const cDeclarationOperations& kind) {
    const auto index = SelectedIndex(list);
    if (!index) return std::nullopt;
    if (const auto text = kind.definition(*index)) return DeclName(*text);
    return std::nullopt;
}

void ShowDeclarationText(const QString& caption, const QListWidget* list,
                         std::optional<std::string> (*read)(std::uint32_t)) {
    ShowInfoText(FInfoText, caption, DeclarationTextForDisplay(SelectedText(list, read)));
}

}  // namespace

TFPalettes::TFPalettes() : QWidget(nullptr, Qt::Tool) {
    setWindowTitle(QStringLiteral("Palettes"));
    setFont(DialogFont());
    setFixedSize(243, 203);
    move(260, 192);

    PageControl = new QTabWidget(this);
    PageControl->setGeometry(0, 0, 241, 201);
    // Narrow tabs, so that all four captions fit the small window side by side.
    PageControl->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    SVariables = new QWidget;
    SConstants = new QWidget;
    SUserFunc = new QWidget;
    SBuiltinFunc = new QWidget;
    PageControl->addTab(SVariables, QStringLiteral("Variables"));
    PageControl->addTab(SConstants, QStringLiteral("Constants"));
    PageControl->addTab(SUserFunc, QStringLiteral("F(x) user"));
    PageControl->addTab(SBuiltinFunc, QStringLiteral("F(x) built-in"));
    BuildVariablesTab();
    BuildConstantsTab();
    BuildUserFunctionsTab();
    BuildBuiltinFunctionsTab();
    SetDesignNames(
        {DESIGN_NAME(PageControl), DESIGN_NAME(SVariables), DESIGN_NAME(SConstants), DESIGN_NAME(SUserFunc),
         DESIGN_NAME(SBuiltinFunc), DESIGN_NAME(MVarState), DESIGN_NAME(BRefresh), DESIGN_NAME(LConst),
         DESIGN_NAME(BConstDesc), DESIGN_NAME(BConstDef), DESIGN_NAME(BConstPaste), DESIGN_NAME(LUserFunc),
         DESIGN_NAME(BUserFuncDesc), DESIGN_NAME(BUserFuncDef), DESIGN_NAME(BUserFuncPaste),
         DESIGN_NAME(LBuiltinFunc), DESIGN_NAME(BBuiltinFuncDesc), DESIGN_NAME(BBuiltinFuncPaste)});
    PageControl->setCurrentIndex(BuiltinFunctionsTab);
    // Connected after the design-time tab is set: building the window shows nothing.
    ConnectHandlers();
}

void TFPalettes::BuildVariablesTab() {
    MVarState = new QPlainTextEdit(SVariables);
    MVarState->setGeometry(8, 8, 217, 137);
    MakeReadOnlyMemo(MVarState);
    BRefresh = new QPushButton(QStringLiteral("Refresh"), SVariables);
    BRefresh->setGeometry(80, 152, 75, 17);
    BRefresh->setAutoDefault(false);
}

void TFPalettes::BuildConstantsTab() {
    LConst = AddList(SConstants);
    BConstDesc = AddButton(SConstants, QStringLiteral("Description"), 16);
    BConstDef = AddButton(SConstants, QStringLiteral("Definition"), 48);
    BConstPaste = AddButton(SConstants, QStringLiteral("Paste"), 136);
}

void TFPalettes::BuildUserFunctionsTab() {
    LUserFunc = AddList(SUserFunc);
    BUserFuncDesc = AddButton(SUserFunc, QStringLiteral("Description"), 16);
    BUserFuncDef = AddButton(SUserFunc, QStringLiteral("Definition"), 48);
    BUserFuncPaste = AddButton(SUserFunc, QStringLiteral("Paste"), 136);
}

void TFPalettes::BuildBuiltinFunctionsTab() {
    LBuiltinFunc = AddList(SBuiltinFunc);
    BBuiltinFuncDesc = AddButton(SBuiltinFunc, QStringLiteral("Help"), 16);
    BBuiltinFuncPaste = AddButton(SBuiltinFunc, QStringLiteral("Paste"), 136);
}

void TFPalettes::ConnectHandlers() {
    connect(PageControl, &QTabWidget::currentChanged, this, &TFPalettes::ShowTab);
    connect(BRefresh, &QPushButton::clicked, this, &TFPalettes::SVariablesShow);
    connect(BConstPaste, &QPushButton::clicked, this, &TFPalettes::BConstPasteClick);
    connect(BUserFuncPaste, &QPushButton::clicked, this, &TFPalettes::BUserFuncPasteClick);
    connect(BBuiltinFuncPaste, &QPushButton::clicked, this, &TFPalettes::BBuiltinFuncPasteClick);
    connect(BConstDef, &QPushButton::clicked, this, &TFPalettes::BConstDefClick);
    connect(BConstDesc, &QPushButton::clicked, this, &TFPalettes::BConstDescClick);
    connect(BUserFuncDef, &QPushButton::clicked, this, &TFPalettes::BUserFuncDefClick);
    connect(BUserFuncDesc, &QPushButton::clicked, this, &TFPalettes::BUserFuncDescClick);
    connect(BBuiltinFuncDesc, &QPushButton::clicked, this, &TFPalettes::BBuiltinFuncDescClick);
    // A double click pastes, as the Paste button beside the list does.
    connect(LConst, &QListWidget::itemDoubleClicked, this, &TFPalettes::BConstPasteClick);
    connect(LUserFunc, &QListWidget::itemDoubleClicked, this, &TFPalettes::BUserFuncPasteClick);
    connect(LBuiltinFunc, &QListWidget::itemDoubleClicked, this, &TFPalettes::BBuiltinFuncPasteClick);
}

void TFPalettes::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) ShowTab(PageControl->currentIndex());
}

void TFPalettes::ShowTab(int index) {
    switch (index) {
        case VariablesTab:
            SVariablesShow();
            break;
        case ConstantsTab:
            SConstantsShow();
            break;
        case UserFunctionsTab:
            SUserFuncShow();
            break;
        case BuiltinFunctionsTab:
            SBuiltinFuncShow();
            break;
        default:
            break;
    }
}

void TFPalettes::SVariablesShow() {
    MVarState->clear();
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const double value = FMain->Calculator().Variable(letter);
        MVarState->appendPlainText(QStringLiteral("%1 = ").arg(QLatin1Char(letter)) +
                                   FromEngineText(ResultText(value, DecimalSeparator)));
    }
    MVarState->moveCursor(QTextCursor::Start);
    MVarState->update();
}

void TFPalettes::SConstantsShow() {
    FillDeclarationList(LConst, ConstantDeclarations);
}

void TFPalettes::SUserFuncShow() {
    FillDeclarationList(LUserFunc, FunctionDeclarations);
}

void TFPalettes::ShowDeclarations(const cDeclarationOperations& kind) {
    FillDeclarationList(&kind == &ConstantDeclarations ? LConst : LUserFunc, kind);
}

void TFPalettes::SBuiltinFuncShow() {
    LBuiltinFunc->clear();
    for (const char* text : BuiltinTemplates)
        LBuiltinFunc->addItem(FromEngineText(ListForm(text)));
    LBuiltinFunc->update();
}

void TFPalettes::BConstPasteClick() {
    if (const auto name = SelectedDeclarationName(LConst, ConstantDeclarations))
        emit PasteRequested(FromEngineText(*name));
}

void TFPalettes::BUserFuncPasteClick() {
    if (const auto name = SelectedDeclarationName(LUserFunc, FunctionDeclarations))
        emit PasteRequested(FromEngineText(*name));
}

void TFPalettes::BBuiltinFuncPasteClick() {
    const auto index = SelectedIndex(LBuiltinFunc);
    if (index && *index < BuiltinTemplates.size())
        emit PasteRequested(FromEngineText(BuiltinTemplates[*index]));
}

void TFPalettes::BConstDefClick() {
    ShowDeclarationText(QStringLiteral("Constant definition"), LConst, ConstantDeclarations.definition);
}

void TFPalettes::BConstDescClick() {
    ShowDeclarationText(QStringLiteral("Constant description"), LConst, ConstantDeclarations.description);
}

void TFPalettes::BUserFuncDefClick() {
    ShowDeclarationText(QStringLiteral("Function definition"), LUserFunc, FunctionDeclarations.definition);
}

void TFPalettes::BUserFuncDescClick() {
    ShowDeclarationText(QStringLiteral("Function description"), LUserFunc, FunctionDeclarations.description);
}

void TFPalettes::BBuiltinFuncDescClick() {
    ShowInformation(this, QStringLiteral("Note: This feature is not implemented yet."));
}
