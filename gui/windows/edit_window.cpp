// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "common/declaration_messages.h"
#include "common/failure_texts.h"
#include "engine/Parser_core.h"
#include "palettes_window.h"
#include "shared/app_texts.h"
#include "shared/declaration_list.h"
#include "shared/declaration_text.h"
#include "shared/design_names.h"
#include "shared/formula_text.h"
#include "shared/list_selection.h"
#include "shared/message_boxes.h"
#include "shared/termination_signals.h"
#include "shared/text_color.h"

TFEdit* FEdit = nullptr;

namespace {

const QString NothingSelectedWarning =
    QStringLiteral("Warning: To perform this action, it is required that you select something before.");
const QString DependencyWarning = QStringLiteral(
    "Warning: It is not possible to manipulate/delete this constant declaration in any way. It is used by "
    "one ore more user-defined functions. If you really want to manipulate/delete this declaration, you "
    "have to remove all functions which make use of it first. You may want to save all user-defined "
    "functions to a file before removing any of them. (Annotation: This dependency check should avoid "
    "some fatal side-effects)");
const QString CommitFailedError = QStringLiteral(
    "Error: While interpreting your declarations, Orvane encountered an error. It is recommented that you "
    "re-edit the declaration capable for the error. Do you want to re-edit or cancel editing?");
const QString CommitCancelled =
    QStringLiteral("Error: Interpreting the declarations has been cancelled. Nothing has been changed.");
const QString DiscardQuestion =
    QStringLiteral("Warning: The changes made in this window will be lost. Do you want to throw them away?");

QPushButton* AddButton(QWidget* parent, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    // No default button: Enter in the list or an edit must not commit or change anything.
    button->setAutoDefault(false);
    return button;
}

QLabel* AddCaption(QWidget* parent, const QString& caption, int top) {
    auto* label = new QLabel(caption, parent);
    QFont font = label->font();
    font.setPixelSize(12);
    label->setFont(font);
    SetTextColor(label, Qt::blue);
    label->move(118, top);
    label->adjustSize();
    return label;
}

QPlainTextEdit* AddMemo(QWidget* parent, const QRect& geometry) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setGeometry(geometry);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the next control, so the whole window works from the keyboard.
    memo->setTabChangesFocus(true);
    return memo;
}

}  // namespace

TFEdit::TFEdit() {
    // Minimise and maximise but no system menu, so the title bar has no close box: the editor ends
    // with Done or Cancel only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    setWindowTitle(QStringLiteral("Editor"));
    setFont(DialogFont());
    setFixedSize(346, 322);
    BuildComponents();
    ConnectHandlers();
    SetDesignNames({DESIGN_NAME(Liste), DESIGN_NAME(Label1), DESIGN_NAME(MDef), DESIGN_NAME(Label2),
                    DESIGN_NAME(MDesc), DESIGN_NAME(BAdd), DESIGN_NAME(BDelete), DESIGN_NAME(BModify),
                    DESIGN_NAME(Bevel1), DESIGN_NAME(BDone), DESIGN_NAME(BCancel)});
}

void TFEdit::BuildComponents() {
    Liste = new QListWidget(this);
    Liste->setGeometry(8, 8, 103, 261);
    Liste->setSelectionMode(QAbstractItemView::SingleSelection);
    Label1 = AddCaption(this, QStringLiteral("Defintion"), 8);
    MDef = AddMemo(this, QRect(118, 24, 222, 95));
    Label2 = AddCaption(this, QStringLiteral("Description"), 126);
    MDesc = AddMemo(this, QRect(118, 142, 222, 96));
    BAdd = AddButton(this, QStringLiteral("Add"), QRect(118, 244, 64, 25));
    BDelete = AddButton(this, QStringLiteral("Delete"), QRect(197, 244, 64, 25));
    BModify = AddButton(this, QStringLiteral("Modify"), QRect(276, 244, 66, 25));
    Bevel1 = new QFrame(this);
    Bevel1->setGeometry(8, 283, 332, 3);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    BDone = AddButton(this, QStringLiteral("Done"), QRect(197, 291, 64, 25));
    BCancel = AddButton(this, QStringLiteral("Cancel"), QRect(276, 291, 64, 25));

    setTabOrder(Liste, MDef);
    setTabOrder(MDef, MDesc);
    setTabOrder(MDesc, BAdd);
    setTabOrder(BAdd, BDelete);
    setTabOrder(BDelete, BModify);
    setTabOrder(BModify, BCancel);
    setTabOrder(BCancel, BDone);
}

void TFEdit::ConnectHandlers() {
    // A new selection comes from a click or the arrow keys; a click on the selected line shows its
    // texts again. Focus alone makes a line current without selecting it, and shows nothing.
    connect(Liste, &QListWidget::itemSelectionChanged, this, &TFEdit::ListeClick);
    connect(Liste, &QListWidget::itemClicked, this, &TFEdit::ListeClick);
    connect(BAdd, &QPushButton::clicked, this, &TFEdit::BAddClick);
    connect(BModify, &QPushButton::clicked, this, &TFEdit::BModifyClick);
    connect(BDelete, &QPushButton::clicked, this, &TFEdit::BDeleteClick);
    connect(BDone, &QPushButton::clicked, this, &TFEdit::BDoneClick);
    connect(BCancel, &QPushButton::clicked, this, &TFEdit::BCancelClick);
}

void TFEdit::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFEdit::FormShow() {
    {
        const QSignalBlocker quiet(Liste);
        Liste->clear();
    }
    ShowTexts(QStringLiteral("<definition>"), QStringLiteral("<description>"));
    changed_ = false;
    setWindowTitle(QString::fromLatin1(ModeInfo().caption));
    const cDeclarationOperations& kind = Kind();
    kind.begin();
    const QSignalBlocker quiet(Liste);
    FillDeclarationList(Liste, kind);
    Liste->setCurrentRow(-1);
    Liste->setFocus();
}

void TFEdit::ListeClick() {
    if (committing_) return;
    const cDeclarationOperations& kind = Kind();
    ShowTexts(DeclarationTextForDisplay(SelectedText(Liste, kind.definition)),
              DeclarationTextForDisplay(SelectedText(Liste, kind.description)));
}

void TFEdit::ShowTexts(const QString& definition, const QString& description) {
    MDef->setPlainText(definition);
    MDesc->setPlainText(description);
    MDef->document()->setModified(false);
    MDesc->document()->setModified(false);
}

void TFEdit::BAddClick() {
    if (committing_) return;
    const auto texts = EditTexts();
    if (!texts) return;
    if (!Kind().add(texts->definition, texts->description)) {
        ShowWarning(this, QString::fromLatin1(TableFullText));
        return;
    }
    changed_ = true;
    Liste->addItem(DeclarationListLine(texts->definition));
    Liste->update();
    WarnAboutUnusableName(texts->definition);
}

void TFEdit::BModifyClick() {
    if (committing_) return;
    const auto index = RequireSelection();
    if (!index) return;
    const auto texts = EditTexts();
    if (!texts) return;
    if (!Kind().modify(*index, texts->definition, texts->description)) {
        ShowWarning(this, DependencyWarning);
        return;
    }
    changed_ = true;
    Liste->item(static_cast<int>(*index))->setText(DeclarationListLine(texts->definition));
    WarnAboutUnusableName(texts->definition);
}

void TFEdit::BDeleteClick() {
    if (committing_) return;
    const auto index = RequireSelection();
    if (!index) return;
    if (!Kind().remove(*index)) {
        ShowWarning(this, DependencyWarning);
        return;
    }
    changed_ = true;
    // The edits keep their texts, and no other line becomes selected in the deleted one's place.
    const QSignalBlocker quiet(Liste);
    delete Liste->takeItem(static_cast<int>(*index));
    Liste->setCurrentRow(-1);
}

void TFEdit::BDoneClick() {
    if (committing_) return;
    const cDeclarationOperations& kind = Kind();
    std::int32_t failed = CommitSucceeded;
    try {
        const QScopedValueRollback busy(committing_, true);
        failed = kind.commit();
    } catch (const cCalculationCancelled&) {
        // The cancelled commit has closed the working copy: nothing is left to edit.
        Finish();
        if (!TerminationRequested()) ShowError(this, CommitCancelled);
        return;
    }
    if (failed == CommitSucceeded) {
        Finish();
        FPalettes->ShowDeclarations(kind);
        return;
    }
    // The box says which declaration failed and why; OK selects it and the characters concerned.
    const std::string definition = kind.definition(static_cast<std::uint32_t>(failed)).value_or("");
    std::string detail = InvalidDeclarationText(failed, definition);
    if (const std::string why = DescribeCommitFailure().detail; !why.empty()) detail += "\n" + why;
    if (!AskError(this, CommitFailedError, FromEngineText(detail))) {
        kind.discard();
        Finish();
        return;
    }
    SelectLine(failed);
    SelectFailureInDefinition(definition);
}

void TFEdit::BCancelClick() {
    if (committing_) return;
    Kind().discard();
    Finish();
}

void TFEdit::reject() {
    if (committing_) return;
    if (HasChanges() && !AskWarning(this, DiscardQuestion)) return;
    BCancelClick();
}

void TFEdit::closeEvent(QCloseEvent* event) {
    // The window closes through Finish only, so that the working copy is always closed with it.
    event->ignore();
    if (isVisible()) reject();
}

bool TFEdit::HasChanges() const {
    return changed_ || MDef->document()->isModified() || MDesc->document()->isModified();
}

// A constant no formula can reach is still accepted, but the user hears why it cannot be used. A text
// without "=" is no declaration yet; Done says so.
void TFEdit::WarnAboutUnusableName(const std::string& definition) {
    const auto usabilityWarning = ModeInfo().usabilityWarning;
    if (!usabilityWarning || definition.find('=') == std::string::npos) return;
    if (const auto warning = usabilityWarning(definition)) ShowWarning(this, FromEngineText(*warning));
}

void TFEdit::SelectFailureInDefinition(const std::string& definition) {
    const cCommitFailure place = DescribeCommitFailure();
    if (place.first < 0) return;
    // The edit shows each CR LF of the stored text as one line break.
    const auto shown = [&definition](int position) {
        position = std::min(position, static_cast<int>(definition.size()));
        return position -
               static_cast<int>(std::count(definition.begin(), definition.begin() + position, '\r'));
    };
    QTextCursor cursor = MDef->textCursor();
    cursor.setPosition(shown(place.first));
    if (place.last >= place.first) cursor.setPosition(shown(place.last + 1), QTextCursor::KeepAnchor);
    MDef->setTextCursor(cursor);
    MDef->setFocus();
}

void TFEdit::Finish() {
    QDialog::done(QDialog::Accepted);
    const QSignalBlocker quiet(Liste);
    Liste->clear();
}

// Mode 0 edits the user functions, Mode 1 the constants.
const TFEdit::cModeInfo& TFEdit::ModeInfo() const {
    static const cModeInfo modes[] = {
        {&FunctionDeclarations, "Edit functions", nullptr},
        {&ConstantDeclarations, "Edit constants", UnusableConstantNameWarning},
    };
    return modes[Mode == 1 ? 1 : 0];
}

std::optional<std::uint32_t> TFEdit::RequireSelection() {
    const auto index = SelectedIndex(Liste);
    if (!index) ShowWarning(this, NothingSelectedWarning);
    return index;
}

void TFEdit::SelectLine(int row) {
    {
        const QSignalBlocker quiet(Liste);
        Liste->setCurrentRow(row);
    }
    ListeClick();
    Liste->setFocus();
}

std::optional<TFEdit::cTexts> TFEdit::EditTexts() {
    auto definition = DeclarationTextFromEdit(MDef->toPlainText(), QStringLiteral("definition"));
    auto description = DeclarationTextFromEdit(MDesc->toPlainText(), QStringLiteral("description"));
    for (const auto* text : {&definition, &description}) {
        if (const auto* refusal = std::get_if<cTextRefusal>(text)) {
            ShowWarning(this, refusal->warning);
            return std::nullopt;
        }
    }
    return cTexts{std::get<std::string>(std::move(definition)),
                  std::get<std::string>(std::move(description))};
}
