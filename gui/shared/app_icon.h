// SPDX-License-Identifier: GPL-3.0-or-later
// The application's icon: a calculator in the 16 colours of the classic palette, drawn on a 32 x 32
// grid. Its one source is data/org.orvane.Orvane.svg, built into the program and drawn by
// cPixelIcon (gui/icon/), which also draws the installed PNG sizes.
#pragma once

#include <QIcon>
#include <QPixmap>

// The icon at its design size, 32 x 32, as the about box shows it.
QPixmap ApplicationIconPixmap();
// The window icon, drawn anew at whatever size is asked for, so it stays sharp at any scale.
QIcon ApplicationIcon();
