// SPDX-License-Identifier: GPL-3.0-or-later
// The colours that carry meaning in the main window (the blue result, the silver engine state) for the
// palette in use: the classic colours on a light palette, colours of the same meaning that stay
// readable on a dark one.
#pragma once

#include <QColor>

class QPalette;

// The contrast ratio of two colours as the Web Content Accessibility Guidelines define it: 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// True when the palette draws light text on a dark window.
bool IsDarkPalette(const QPalette& palette);

// A colour that carries meaning (a blue caption, a curve's name), given as it is on a light palette,
// as it reads on the palette's window: the same hue, darker or lighter until the contrast is 4.5:1.
QColor ReadableColor(const QColor& lightPaletteColor, const QPalette& palette);

// The colour of the result on the palette's window: blue, or a light blue on a dark palette; grey when
// the result no longer belongs to the formula. Each keeps a contrast of at least 4.5:1.
QColor ResultColor(const QPalette& palette, bool stale);

// The engine-state memo: black on silver, or light text on a dark grey panel.
struct cPanelColors {
    QColor background;
    QColor text;
};
cPanelColors EngineStateColors(const QPalette& palette);
