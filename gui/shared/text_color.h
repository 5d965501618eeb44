// SPDX-License-Identifier: GPL-3.0-or-later
// Coloured captions (blue group-box and label captions) through the palette, so that the style keeps
// drawing the frames; children inherit the colour unless they set their own.
#pragma once

#include <QColor>

class QWidget;

void SetTextColor(QWidget* widget, const QColor& color);
