// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixel_icon.h"

#include <QPainter>
#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace {

std::optional<int> Whole(const QStringView text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0) return std::nullopt;
    return value;
}

// A grid edge at side pixels for gridSide units, on the nearest pixel boundary.
int Snap(int edge, int side, int gridSide) {
    return static_cast<int>(std::floor(static_cast<double>(edge) * side / gridSide + 0.5));
}

}  // namespace

std::optional<cPixelIcon> cPixelIcon::Parse(const QByteArray& svg) {
    cPixelIcon icon;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        const auto attributes = reader.attributes();
        if (reader.name() == u"svg") {
            // viewBox "0 0 N N": a square grid of N units.
            const QStringList box =
                attributes.value(QLatin1String("viewBox")).toString().split(u' ', Qt::SkipEmptyParts);
            if (box.size() != 4 || box[0] != u"0" || box[1] != u"0" || box[2] != box[3]) return std::nullopt;
            const auto side = Whole(box[2]);
            if (!side || *side == 0) return std::nullopt;
            icon.gridSide_ = *side;
        } else if (reader.name() == u"rect") {
            const auto x = Whole(attributes.value(QLatin1String("x")));
            const auto y = Whole(attributes.value(QLatin1String("y")));
            const auto width = Whole(attributes.value(QLatin1String("width")));
            const auto height = Whole(attributes.value(QLatin1String("height")));
            const QColor colour = QColor::fromString(attributes.value(QLatin1String("fill")));
            if (!x || !y || !width || !height || !colour.isValid() || icon.gridSide_ == 0)
                return std::nullopt;
            icon.cells_.push_back({QRect(*x, *y, *width, *height), colour});
        } else {
            return std::nullopt;
        }
    }
    if (reader.hasError() || icon.gridSide_ == 0) return std::nullopt;
    return icon;
}

QImage cPixelIcon::Draw(int side) const {
    // Below the design size whole grid cells must merge: averaging them keeps the picture's shape,
    // where snapping would run neighbouring keys into one bar.
    if (side < gridSide_)
        return DrawSnapped(gridSide_).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return DrawSnapped(side);
}

QImage cPixelIcon::DrawSnapped(int side) const {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (const cCell& cell : cells_) {
        const int left = Snap(cell.area.left(), side, gridSide_);
        const int top = Snap(cell.area.top(), side, gridSide_);
        // A stroke of the design keeps at least one pixel.
        const int right = std::max(Snap(cell.area.left() + cell.area.width(), side, gridSide_), left + 1);
        const int bottom = std::max(Snap(cell.area.top() + cell.area.height(), side, gridSide_), top + 1);
        painter.fillRect(left, top, right - left, bottom - top, cell.colour);
    }
    return image;
}
