// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_color.h"

#include <QPalette>
#include <QWidget>

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}
