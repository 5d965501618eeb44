// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window: four lines, one per nesting level of the engine's work, shown while the
// engine reports progress, and a Cancel button (also Esc) that stops the work. ProgressHandler drives
// it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "common/progress_lines.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

class TFProgress : public QWidget {
    Q_OBJECT
public:
    static constexpr int LineCount = cProgressLines::LineCount;

    TFProgress();

    // Shows the stored lines: the labels' captions, then the bars' positions.
    void RefreshLines();
    // Sets every stored line to "idle" and 0 percent; does not redraw.
    void ResetLines();

    // Shows the window over the work's window and takes the keyboard, so that Esc reaches it; a modal
    // window that is open (the declaration editor committing) does not block it. Hiding gives the
    // keyboard back to the window that had it.
    void ShowForWork();
    void HideAfterWork();

    // Cancel and Esc ask the work to stop; the progress handler raises the cancellation at its next
    // report. A new piece of work starts with no request.
    void BCancelClick();
    bool CancelRequested() const { return cancelRequested_; }
    void ForgetCancel() { cancelRequested_ = false; }

    // The last report of each line. The engine reports after every step of its work, so a report is
    // only stored; its text and percentage are formed when the window is redrawn.
    cProgressLines Lines;

    QGroupBox* StatusBox;
    std::array<QLabel*, LineCount> LStat{};
    std::array<QProgressBar*, LineCount> PStat{};
    QPushButton* BCancel;

protected:
    // The window goes away only when the work ends; closing it by hand would not stop the work.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool cancelRequested_ = false;
    QPointer<QWidget> previouslyActive_;
};

extern TFProgress* FProgress;
