// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: draws the icon's SVG as a square PNG of the given size, as the program draws its window
// icon (cPixelIcon).
//   render_icon SOURCE.svg SIZE OUTPUT.png
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cstdio>

#include "icon/pixel_icon.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: render_icon SOURCE.svg SIZE OUTPUT.png\n", stderr);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    const int size = QString::fromLocal8Bit(argv[2]).toInt();
    const QString output = QString::fromLocal8Bit(argv[3]);
    const auto icon = source.open(QIODevice::ReadOnly) ? cPixelIcon::Parse(source.readAll()) : std::nullopt;
    if (!icon || size <= 0) {
        std::fprintf(stderr, "render_icon: cannot draw %s at %s\n", argv[1], argv[2]);
        return 1;
    }
    QDir().mkpath(QFileInfo(output).path());
    if (!icon->Draw(size).save(output, "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
