// SPDX-License-Identifier: GPL-3.0-or-later
// The declaration editor: edits the constants or the user functions in a working copy, which Done
// commits and Cancel throws away. Line i of the list always stands for entry i of the working copy.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct cDeclarationOperations;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TFEdit : public QDialog {
    Q_OBJECT
public:
    TFEdit();

    // 0: the editor works on user functions; 1: on constants. Set before showing.
    std::uint8_t Mode = 0;

    void FormShow();
    void ListeClick();
    void BAddClick();
    void BModifyClick();
    void BDeleteClick();
    void BDoneClick();
    void BCancelClick();

    QListWidget* Liste;
    QLabel* Label1;
    QPlainTextEdit* MDef;
    QLabel* Label2;
    QPlainTextEdit* MDesc;
    QPushButton* BAdd;
    QPushButton* BDelete;
    QPushButton* BModify;
    QFrame* Bevel1;
    QPushButton* BDone;
    QPushButton* BCancel;

    // Esc and the window manager's close act as Cancel, but ask first when that would throw away
    // changes.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct cTexts {
        std::string definition;
        std::string description;
    };

    void BuildComponents();
    void ConnectHandlers();
    // The kind of declaration Mode chooses, and how the editor presents it.
    struct cModeInfo {
        const cDeclarationOperations* kind;
        const char* caption;
        // A warning about a declaration that is accepted but cannot be used, or nothing.
        std::optional<std::string> (*usabilityWarning)(std::string_view definition);
    };
    const cModeInfo& ModeInfo() const;
    const cDeclarationOperations& Kind() const { return *ModeInfo().kind; }
    // The selected line's index; without one, the warning that something must be selected first.
    std::optional<std::uint32_t> RequireSelection();
    void SelectLine(int row);
    std::optional<cTexts> EditTexts();
    void Finish();
    // Shows a definition or description the user has not typed: the edits count as unchanged.
    void ShowTexts(const QString& definition, const QString& description);
    bool HasChanges() const;
    void WarnAboutUnusableName(const std::string& definition);
    // After a failed commit: the text of the failing declaration its failure names.
    void SelectFailureInDefinition(const std::string& definition);

    // True while a commit runs: its progress reports let queued input through, and a commit must not
    // be entered again nor the working copy changed under it.
    bool committing_ = false;
    // True once Add, Modify or Delete changed the working copy.
    bool changed_ = false;
};

extern TFEdit* FEdit;
