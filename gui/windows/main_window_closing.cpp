// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the main window: never under the engine's feet, and never losing declarations that were
// changed since they were last loaded or saved without asking.
#include <QTimer>

#include "main_window.h"
#include "progress_window.h"
#include "shared/message_boxes.h"
#include "shared/termination_signals.h"

namespace {

const QString StillWorkingQuestion =
    QStringLiteral("Warning: Orvane is still working. Do you want to cancel the work and close Orvane?");

}  // namespace

bool TFMain::Busy() const {
    return calculating_ || !isEnabled();
}

// The user closed the window while the engine works: the work stops only if they say so, and the
// window closes once it has.
void TFMain::AskToCancelAndClose() {
    if (!AskWarning(this, StillWorkingQuestion)) return;
    closeAfterWork_ = true;
    FProgress->BCancelClick();
    CloseWhenIdle();
}

void TFMain::CloseWhenIdle() {
    QTimer::singleShot(50, this, [this] {
        if (Busy())
            CloseWhenIdle();
        else
            close();
    });
}

bool TFMain::CancelIsExpected() const {
    return closeAfterWork_ || TerminationRequested();
}

void TFMain::ReportCancelled(const QString& text) {
    if (!CancelIsExpected()) ShowError(this, text);
}
