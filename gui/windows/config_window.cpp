// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_window.h"

#include <QButtonGroup>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <algorithm>
#include <array>
#include <optional>

#include "common/engine_settings.h"
#include "common/file_problems.h"
#include "common/program_files.h"
#include "shared/app_texts.h"
#include "shared/design_names.h"
#include "shared/file_paths.h"
#include "shared/message_boxes.h"
#include "shared/text_color.h"

TFConfig* FConfig = nullptr;

namespace {

// One required digit and three optional ones, blanks for the empty places. Qt's mask letters: 9 a
// required digit, 0 an optional one.
const QString FourDigitMask = QStringLiteral("9000; ");
constexpr int LargestAngleMode = 2;

QLineEdit* AddNumberField(QWidget* parent, int top) {
    auto* field = new QLineEdit(parent);
    field->setGeometry(200, top, 33, 21);
    field->setInputMask(FourDigitMask);
    return field;
}

// The label reaches to its field, so that a text too wide for the room shows (fit_to_texts.h).
QLabel* AddLabel(QWidget* parent, const QString& caption, int top) {
    constexpr int FieldLeft = 200;
    constexpr int Left = 8;
    auto* label = new QLabel(caption, parent);
    label->move(Left, top);
    label->adjustSize();
    label->resize(FieldLeft - 4 - Left, label->height());
    return label;
}

// A value from the file that the field cannot hold is shown as the nearest one it can.
void ShowValue(QLineEdit* field, std::int32_t value) {
    field->setText(QString::number(std::clamp(value, 0, MaxCapacity)));
}

// The field's value: its digits without the blanks of the empty places; nothing when the text is not
// a number the field can hold (the required first digit erased, or a blank between digits).
std::optional<std::int32_t> FieldValue(const QLineEdit* field) {
    const QString text = field->displayText().trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || text.isEmpty() || text.size() > 4 || value < 0) return std::nullopt;
    for (const QChar c : text)
        if (!c.isDigit()) return std::nullopt;
    return value;
}

}  // namespace

TFConfig::TFConfig(const QString& programFolder) : programFolder_(programFolder) {
    // No title-bar buttons: OK and Cancel close the dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Preferences"));
    setFont(DialogFont());
    setFixedSize(255, 278);
    move(327, 256);

    BuildAngleGroup();
    BuildParserGroup();

    Label1 = new QLabel(
        QStringLiteral(
            "Important note: Parameter changes will take effect the next time when Orvane is started."),
        this);
    Label1->setGeometry(8, 216, 240, 26);
    Label1->setWordWrap(true);

    BOk = new QPushButton(QStringLiteral("OK"), this);
    BOk->setGeometry(112, 248, 65, 25);
    BOk->setDefault(true);
    BCancel = new QPushButton(QStringLiteral("Cancel"), this);
    BCancel->setGeometry(184, 248, 65, 25);
    BCancel->setAutoDefault(false);
    connect(BOk, &QPushButton::clicked, this, &TFConfig::BOkClick);
    connect(BCancel, &QPushButton::clicked, this, &TFConfig::BCancelClick);
    SetDesignNames({DESIGN_NAME(GroupBox2), DESIGN_NAME(RAngleMode), DESIGN_NAME(GroupBox1),
                    DESIGN_NAME(Label9), DESIGN_NAME(EMaxConst), DESIGN_NAME(Label10), DESIGN_NAME(EMaxFunc),
                    DESIGN_NAME(Label11), DESIGN_NAME(ERefAlloc), DESIGN_NAME(Label1), DESIGN_NAME(BOk),
                    DESIGN_NAME(BCancel)});
}

void TFConfig::BuildAngleGroup() {
    GroupBox2 = new QGroupBox(QStringLiteral("Calculation parameters"), this);
    GroupBox2->setGeometry(8, 8, 241, 97);
    SetTextColor(GroupBox2, Qt::blue);
    RAngleMode = new QGroupBox(QStringLiteral("Angle settings"), GroupBox2);
    RAngleMode->setGeometry(8, 24, 225, 41);
    SetPlainTextColor(RAngleMode);
    RAngleModeItems = new QButtonGroup(this);
    const std::array<QString, 3> items = {QStringLiteral("rad"), QStringLiteral("deg"),
                                          QStringLiteral("gra")};
    const int column = RAngleMode->width() / static_cast<int>(items.size());
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        auto* item = new QRadioButton(items[i], RAngleMode);
        item->setGeometry(8 + i * column, 18, column - 8, 17);
        RAngleModeItems->addButton(item, i);
    }
}

void TFConfig::BuildParserGroup() {
    GroupBox1 = new QGroupBox(QStringLiteral("Parser parameters"), this);
    GroupBox1->setGeometry(8, 112, 241, 97);
    SetTextColor(GroupBox1, Qt::blue);
    Label9 = AddLabel(GroupBox1, QStringLiteral("reserve memory for n constants"), 24);
    EMaxConst = AddNumberField(GroupBox1, 16);
    Label10 = AddLabel(GroupBox1, QStringLiteral("reserve memory for n user functions"), 48);
    EMaxFunc = AddNumberField(GroupBox1, 40);
    Label11 = AddLabel(GroupBox1, QStringLiteral("mem alloc steps for ref integrity info"), 72);
    ERefAlloc = AddNumberField(GroupBox1, 64);
    for (QWidget* child :
         {static_cast<QWidget*>(Label9), static_cast<QWidget*>(EMaxConst), static_cast<QWidget*>(Label10),
          static_cast<QWidget*>(EMaxFunc), static_cast<QWidget*>(Label11), static_cast<QWidget*>(ERefAlloc)})
        SetPlainTextColor(child);
}

void TFConfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFConfig::FormShow() {
    const cSettingsFileValues values = ReadSettingsFile(LocateSettingsFile(PathOf(programFolder_)).readPath);
    ShowValue(EMaxConst, values.maxConst);
    ShowValue(EMaxFunc, values.maxFunc);
    ShowValue(ERefAlloc, values.refAlloc);
    RAngleModeItems->button(std::clamp(values.angleMode, 0, LargestAngleMode))->setChecked(true);
    EMaxConst->setFocus();
}

void TFConfig::BOkClick() {
    // Every field is checked before anything is written, so the file never holds half a change.
    const std::array<QLineEdit*, 3> fields = {EMaxConst, EMaxFunc, ERefAlloc};
    std::array<std::int32_t, 3> numbers{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto value = FieldValue(fields[i]);
        if (!value) {
            ShowWarning(this,
                        QStringLiteral("Warning: \"%1\" is not a number from 0 to 9999. Please enter one to "
                                       "four digits. Nothing has been saved.")
                            .arg(fields[i]->displayText().trimmed()));
            fields[i]->setFocus();
            fields[i]->selectAll();
            return;
        }
        numbers[i] = *value;
    }
    const cSettingsFileValues values{numbers[0], numbers[1], numbers[2], RAngleModeItems->checkedId()};
    const std::filesystem::path path = LocateSettingsFile(PathOf(programFolder_)).writePath;
    const QString shownPath = QDir::cleanPath(QStringOfPath(path));
    // Only the four keys change: a file that could not be read whole would lose the rest.
    if (const auto problem = SettingsFileProblem(path)) {
        ShowError(this,
                  QString::fromStdString(FileProblemText(shownPath.toStdString(), "written", *problem)));
        return;
    }
    // An installed program's user may have no config folder yet.
    if (!CreateFolderFor(path) || !WriteSettingsFile(path, values)) {
        ShowError(this,
                  QStringLiteral("Error: The settings file \"%1\" could not be written. Nothing has been "
                                 "saved.")
                      .arg(shownPath));
        return;
    }
    accept();
}

void TFConfig::BCancelClick() {
    reject();
}
