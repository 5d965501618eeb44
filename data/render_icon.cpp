// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: draws the icon's SVG as the program draws its window icon (cPixelIcon), as a square PNG
// of one size, or as a Windows icon file (.ico) holding one PNG picture for each size given.
//   render_icon SOURCE.svg SIZE[,SIZE...] OUTPUT.png|OUTPUT.ico
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <cstdio>
#include <vector>

#include "icon/pixel_icon.h"

namespace {

QByteArray PngOf(const cPixelIcon& icon, int size) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!icon.Draw(size).save(&buffer, "PNG")) return {};
    return png;
}

void Append16(QByteArray& bytes, quint16 value) {
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void Append32(QByteArray& bytes, quint32 value) {
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// The ICO format: a header, one 16-byte entry per picture, then the pictures. Windows Vista and later
// read PNG pictures in it; a side of 256 is written as 0.
QByteArray IcoOf(const std::vector<QByteArray>& pngs, const std::vector<int>& sizes) {
    constexpr quint32 HeaderBytes = 6, EntryBytes = 16;
    QByteArray ico;
    Append16(ico, 0);
    Append16(ico, 1);  // an icon, not a cursor
    Append16(ico, static_cast<quint16>(pngs.size()));
    quint32 offset = HeaderBytes + EntryBytes * static_cast<quint32>(pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        const char side = static_cast<char>(sizes[i] >= 256 ? 0 : sizes[i]);
        ico.append(side).append(side).append('\0').append('\0');  // no palette, reserved
        Append16(ico, 1);                                         // colour planes
        Append16(ico, 32);                                        // bits per pixel
        Append32(ico, static_cast<quint32>(pngs[i].size()));
        Append32(ico, offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        ico.append(png);
    return ico;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: render_icon SOURCE.svg SIZE[,SIZE...] OUTPUT.png|OUTPUT.ico\n", stderr);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    const QString output = QString::fromLocal8Bit(argv[3]);
    const bool ico = output.endsWith(QStringLiteral(".ico"), Qt::CaseInsensitive);
    std::vector<int> sizes;
    for (const QString& text : QString::fromLocal8Bit(argv[2]).split(QLatin1Char(',')))
        sizes.push_back(text.toInt());
    const auto icon = source.open(QIODevice::ReadOnly) ? cPixelIcon::Parse(source.readAll()) : std::nullopt;
    std::vector<QByteArray> pngs;
    for (const int size : sizes)
        if (icon && size > 0 && size <= 256) pngs.push_back(PngOf(*icon, size));
    if (pngs.size() != sizes.size() || (!ico && sizes.size() != 1)) {
        std::fprintf(stderr, "render_icon: cannot draw %s at %s\n", argv[1], argv[2]);
        return 1;
    }
    QDir().mkpath(QFileInfo(output).path());
    QFile file(output);
    const QByteArray bytes = ico ? IcoOf(pngs, sizes) : pngs.front();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
