// SPDX-License-Identifier: GPL-3.0-or-later
// The dark desktop palette of the window tests and the screenshot scenes: light text on dark grey.
#pragma once

#include <QApplication>
#include <QPalette>

inline QPalette DarkDesktopPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, QColor(0xe0, 0xe0, 0xe0));
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    }
    return dark;
}

// For the screenshot scenes: ORVANE_SCENE_PALETTE=dark shows the windows on the dark palette.
inline void UseScenePalette() {
    if (qgetenv("ORVANE_SCENE_PALETTE") == "dark") QApplication::setPalette(DarkDesktopPalette());
}
