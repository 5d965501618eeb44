#include "app_windows.h"

namespace {

// Creates a window and publishes it in its global instance at once, so that the windows created after
// it can reach it from their constructors.
template <typename Window, typename... Args>
std::unique_ptr<Window> Create(Window*& instance, Args&&... args) {
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    instance = window.get();
    return window;
}

}  // namespace

cAppWindows::cAppWindows(const QString& programFolder)
    : main_(Create(FMain, programFolder)),
      edit_(Create(FEdit)),
      progress_(Create(FProgress)),
      config_(Create(FConfig)),
      palettes_(Create(FPalettes)),
      infoText_(Create(FInfoText)),
      credits_(Create(FCredits)) {}

cAppWindows::~cAppWindows() {
    credits_.reset();
    FCredits = nullptr;
    infoText_.reset();
    FInfoText = nullptr;
    palettes_.reset();
    FPalettes = nullptr;
    config_.reset();
    FConfig = nullptr;
    progress_.reset();
    FProgress = nullptr;
    edit_.reset();
    FEdit = nullptr;
    main_.reset();
    FMain = nullptr;
}
