// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon's drawing. Its one source is a pixel-art SVG: only <rect> elements on the grid
// of the viewBox, each filled with one colour. At the design size and above, every edge is snapped to
// whole pixels, so the picture stays sharp at any scale (an anti-aliasing SVG renderer blurs every
// edge that falls between pixels) and no stroke of the design is lost. The program draws its window
// icon so, and the build draws the installed PNG sizes with the same code.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <optional>
#include <vector>

class cPixelIcon {
public:
    // Nothing when the text is not such an SVG.
    static std::optional<cPixelIcon> Parse(const QByteArray& svg);

    // The picture side x side pixels, transparent where the design has no rectangle. Below the design
    // size, the design size scaled down.
    QImage Draw(int side) const;

private:
    QImage DrawSnapped(int side) const;

    struct cCell {
        QRect area;  // in grid units
        QColor colour;
    };
    int gridSide_ = 0;
    std::vector<cCell> cells_;  // in drawing order
};
