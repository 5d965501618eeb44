#include "edit_window.h"

#include "app_texts.h"

TFEdit* FEdit = nullptr;

TFEdit::TFEdit() {
    // Minimise and maximise but no system menu, so the title bar has no close box: the editor ends
    // with Done or Cancel only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    setWindowTitle(QStringLiteral("Editor"));
    setFont(DialogFont());
    setFixedSize(346, 322);
}
