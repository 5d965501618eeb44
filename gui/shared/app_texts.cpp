// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_texts.h"

#include <QStringList>

QFont DialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

QFont FormulaFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Nimbus Mono PS"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(14);
    return font;
}
