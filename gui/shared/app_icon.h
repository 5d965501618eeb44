// The application's icon: a 32 x 32 picture in the 16 colours of the classic palette, drawn in code
// so that the program carries no image files.
#pragma once

#include <QIcon>
#include <QPixmap>

QPixmap ApplicationIconPixmap();
QIcon ApplicationIcon();
