#include "info_window.h"

#include "app_texts.h"

TFInfoText* FInfoText = nullptr;

TFInfoText::TFInfoText() {
    setWindowFlags(Qt::Tool);
    setWindowTitle(QStringLiteral("Info"));
    setFont(DialogFont());
    setFixedSize(264, 110);
    move(341, 202);
}
