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

// The colour with its HSL lightness moved away from the background's until it reads well; hue and
// saturation stay, so a blue stays a blue.
QColor WithReadableLightness(const QColor& color, const QColor& background) {
    const bool lighter = RelativeLuminance(background) < 0.18;
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    float alpha = 0;
    color.toHsl().getHslF(&hue, &saturation, &lightness, &alpha);
    QColor result = color;
    constexpr float Step = 0.01F;
    while (ContrastRatio(result, background) < ReadableContrast && lightness > 0 && lightness < 1) {
        lightness = std::clamp(lightness + (lighter ? Step : -Step), 0.0F, 1.0F);
        result = QColor::fromHslF(hue, saturation, lightness);
    }
    return result;
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

QColor ReadableColor(const QColor& lightPaletteColor, const QPalette& palette) {
    return WithReadableLightness(lightPaletteColor, palette.color(QPalette::Window));
}

QColor ResultColor(const QPalette& palette, bool stale) {
    const QColor window = palette.color(QPalette::Window);
    // Grey, but still as readable as any text: dimmer than the window's text, never faint.
    if (stale) return WithReadableLightness(QColor(0x80, 0x80, 0x80), window);
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
