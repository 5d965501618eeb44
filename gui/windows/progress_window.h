// The progress window: four lines, one per nesting level of the engine's work, shown while the
// engine reports progress. ProgressHandler drives it.
#pragma once

#include <QWidget>
#include <array>

#include "progress_lines.h"

class QGroupBox;
class QLabel;
class QProgressBar;

class TFProgress : public QWidget {
    Q_OBJECT
public:
    static constexpr int LineCount = cProgressLines::LineCount;

    TFProgress();

    // Shows the stored lines: the labels' captions, then the bars' positions.
    void RefreshLines();
    // Sets every stored line to "idle" and 0 percent; does not redraw.
    void ResetLines();

    // The last report of each line. The engine reports after every step of its work, so a report is
    // only stored; its text and percentage are formed when the window is redrawn.
    cProgressLines Lines;

    QGroupBox* StatusBox;
    std::array<QLabel*, LineCount> LStat{};
    std::array<QProgressBar*, LineCount> PStat{};

protected:
    // The window goes away only when the work ends; closing it by hand would not stop the work.
    void closeEvent(QCloseEvent* event) override;
};

extern TFProgress* FProgress;
