// SPDX-License-Identifier: GPL-3.0-or-later
// Windows of fixed size whose controls sit at fixed places: they are drawn for the classic dialog font,
// and a font that needs more room (another family, a larger one) would clip their texts or run them
// into their neighbours. Such a window grows, all its places and sizes by one factor, until every text
// fits; with the font it was drawn for it keeps its sizes.
#pragma once

class QWidget;

// How much the window must grow for its texts to fit, at least 1.
double GrowthToFitTexts(const QWidget* window);

// Gives the window and every control at a fixed place in it its drawn geometry (as first seen)
// times GrowthToFitTexts.
void GrowToFitTexts(QWidget* window);

// Grows the window to fit its texts each time it is about to show (GrowToFitTexts).
void FitTextsWhenShown(QWidget* window);
