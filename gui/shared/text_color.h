// SPDX-License-Identifier: GPL-3.0-or-later
// Coloured captions (blue group-box and label captions) through the palette, so that the style keeps
// drawing the frames; children inherit the colour unless they set their own. The colours follow the
// desktop's palette: readable on a dark one as on a light one, also when it changes while shown.
#pragma once

#include <QColor>

class QWidget;

// The widget's text in the colour, given as on a light palette (see ReadableColor).
void SetTextColor(QWidget* widget, const QColor& lightPaletteColor);
// The widget's text in the window's own text colour, not in the coloured caption of its parent.
void SetPlainTextColor(QWidget* widget);
