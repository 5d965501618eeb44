// SPDX-License-Identifier: GPL-3.0-or-later
#include "theme_colors.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace {

constexpr double ReadableContrast = 4.5;

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& color) {
    return 0.2126 * Linear(color.redF()) + 0.7152 * Linear(color.greenF()) + 0.0722 * Linear(color.blueF());
}

// The colour moved towards white (on a dark background) or black (on a light one) until it reads well.
QColor Readable(QColor color, const QColor& background) {
    const QColor target = RelativeLuminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    for (int step = 0; step < 20 && ContrastRatio(color, background) < ReadableContrast; ++step) {
        color = QColor::fromRgbF(static_cast<float>((color.redF() + target.redF()) / 2),
                                 static_cast<float>((color.greenF() + target.greenF()) / 2),
                                 static_cast<float>((color.blueF() + target.blueF()) / 2));
    }
    return color;
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double first = RelativeLuminance(a);
    const double second = RelativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::WindowText).lightness() > palette.color(QPalette::Window).lightness();
}

QColor ResultColor(const QPalette& palette, bool stale) {
    const QColor window = palette.color(QPalette::Window);
    if (stale) return IsDarkPalette(palette) ? QColor(0x8c, 0x8c, 0x8c) : QColor(0x80, 0x80, 0x80);
    return IsDarkPalette(palette) ? Readable(QColor(0x8a, 0xb4, 0xf8), window) : Readable(Qt::blue, window);
}

cPanelColors EngineStateColors(const QPalette& palette) {
    if (!IsDarkPalette(palette)) return {QColor(0xc0, 0xc0, 0xc0), Qt::black};
    // A panel a little lighter than the window, as silver is a little darker than a light one.
    const QColor window = palette.color(QPalette::Window).toHsv();
    const QColor panel =
        QColor::fromHsv(window.hue(), window.saturation(), std::min(255, window.value() + 24));
    return {panel, Readable(palette.color(QPalette::WindowText), panel)};
}
