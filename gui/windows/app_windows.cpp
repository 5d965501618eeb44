// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_windows.h"

#include <QEvent>
#include <QShowEvent>

#include "shared/fit_to_texts.h"
#include "shared/window_placement.h"

namespace {

// Creates a window and publishes it in its global instance at once, so that the windows created after
// it can reach it from their constructors.
template <typename Window, typename... Args>
std::unique_ptr<Window> Create(Window*& instance, Args&&... args) {
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    instance = window.get();
    return window;
}

// Destroys a window and clears its global instance, so that no window reaches one that is gone.
template <typename Window>
void Destroy(std::unique_ptr<Window>& window, Window*& instance) {
    window.reset();
    instance = nullptr;
}

}  // namespace

cAppWindows::cAppWindows(const QString& programFolder)
    : main_(Create(FMain, programFolder)),
      edit_(Create(FEdit)),
      progress_(Create(FProgress)),
      config_(Create(FConfig, programFolder)),
      palettes_(Create(FPalettes)),
      infoText_(Create(FInfoText)),
      credits_(Create(FCredits)),
      plot_(Create(FPlot)),
      history_(Create(FHistory, FMain->Recall())) {
    QObject::connect(FPalettes, &TFPalettes::PasteRequested, FMain, &TFMain::AppendToFormula);
    QObject::connect(FHistory, &TFHistory::PasteRequested, FMain, &TFMain::AppendToFormula);
    QObject::connect(FHistory, &TFHistory::FormulaChosen, FMain, &TFMain::UseFormula);
    // The windows of fixed size; the main, progress and plot windows size themselves to their fonts.
    for (QWidget* window :
         {static_cast<QWidget*>(FEdit), static_cast<QWidget*>(FConfig), static_cast<QWidget*>(FPalettes),
          static_cast<QWidget*>(FInfoText), static_cast<QWidget*>(FCredits)})
        FitTextsWhenShown(window);
}

cToolWindowPlacer::cToolWindowPlacer() {
    for (QWidget* tool : {static_cast<QWidget*>(FPalettes), static_cast<QWidget*>(FPlot),
                          static_cast<QWidget*>(FProgress), static_cast<QWidget*>(FHistory)})
        tool->installEventFilter(this);
}

// The show event comes before the window is mapped, so it opens in its place.
bool cToolWindowPlacer::eventFilter(QObject* watched, QEvent* event) {
    // Beside the main window only when there is one on the screen to be beside.
    if (event->type() == QEvent::Show && !static_cast<QShowEvent*>(event)->spontaneous() &&
        FMain->isVisible() && (watched == FProgress || !placed_.contains(watched))) {
        placed_.insert(watched);
        PlaceBesideMainWindow(static_cast<QWidget*>(watched), FMain, {FPalettes, FPlot, FHistory});
    }
    return false;
}

cAppWindows::~cAppWindows() {
    Destroy(history_, FHistory);
    Destroy(plot_, FPlot);
    Destroy(credits_, FCredits);
    Destroy(infoText_, FInfoText);
    Destroy(palettes_, FPalettes);
    Destroy(config_, FConfig);
    Destroy(progress_, FProgress);
    Destroy(edit_, FEdit);
    Destroy(main_, FMain);
}
