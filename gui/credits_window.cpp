#include "credits_window.h"

#include "app_texts.h"

TFCredits* FCredits = nullptr;

TFCredits::TFCredits() {
    // No title-bar buttons: OK closes the box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("About Orvane"));
    setFont(DialogFont());
    setFixedSize(191, 239);
    move(278, 152);
}
