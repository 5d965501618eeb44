#include "config_window.h"

#include "app_texts.h"

TFConfig* FConfig = nullptr;

TFConfig::TFConfig() {
    // No title-bar buttons: OK and Cancel close the dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Preferences"));
    setFont(DialogFont());
    setFixedSize(255, 278);
    move(327, 256);
}
