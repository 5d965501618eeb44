// The application's icon: a calculator in the 16 colours of the classic palette, drawn on a 32 x 32
// grid. Its one source is the SVG in data/, built into the program; the installed icon files are
// rendered from the same file.
#pragma once

#include <QIcon>
#include <QPixmap>

// The icon at its design size, 32 x 32, as the about box shows it.
QPixmap ApplicationIconPixmap();
// The window icon, drawn from the SVG at whatever size is asked for, so it stays sharp at any scale.
QIcon ApplicationIcon();
