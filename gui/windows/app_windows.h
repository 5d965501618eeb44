// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of the program: the seven of the calculator, the plot and the History windows. They are created
// once, in a fixed order, and live until the end; every window reaches another through its global instance
// (FMain, FEdit, FProgress, FConfig, FPalettes, FInfoText, FCredits, FPlot, FHistory), which this object sets
// and clears.
#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <memory>

#include "config_window.h"
#include "credits_window.h"
#include "edit_window.h"
#include "history_window.h"
#include "info_window.h"
#include "main_window.h"
#include "palettes_window.h"
#include "plot_window.h"
#include "progress_window.h"

// Opens the tool windows beside the main window (shared/window_placement.h): the palettes and the plot
// window where they first show, after which they stay where the user puts them; the progress window
// each time, away from the other two.
class cToolWindowPlacer final : public QObject {
public:
    cToolWindowPlacer();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSet<QObject*> placed_;
};

class cAppWindows {
public:
    // programFolder: where the settings file and readme.txt are (the executable's folder).
    explicit cAppWindows(const QString& programFolder);
    ~cAppWindows();
    cAppWindows(const cAppWindows&) = delete;
    cAppWindows& operator=(const cAppWindows&) = delete;

private:
    // In creation order; destroyed in the reverse order, the main window (and with it the engine) last.
    std::unique_ptr<TFMain> main_;
    std::unique_ptr<TFEdit> edit_;
    std::unique_ptr<TFProgress> progress_;
    std::unique_ptr<TFConfig> config_;
    std::unique_ptr<TFPalettes> palettes_;
    std::unique_ptr<TFInfoText> infoText_;
    std::unique_ptr<TFCredits> credits_;
    std::unique_ptr<TFPlot> plot_;
    std::unique_ptr<TFHistory> history_;
    cToolWindowPlacer placer_;
};
