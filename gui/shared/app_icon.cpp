// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_icon.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "icon/pixel_icon.h"

namespace {

constexpr int DesignSide = 32;

const std::optional<cPixelIcon>& Design() {
    static const std::optional<cPixelIcon> design = [] {
        QFile file(QStringLiteral(":/icons/" ORVANE_APP_ID ".svg"));
        return file.open(QIODevice::ReadOnly) ? cPixelIcon::Parse(file.readAll()) : std::nullopt;
    }();
    return design;
}

QImage DrawDesign(int side) {
    return Design() ? Design()->Draw(side) : QImage();
}

// Draws the design anew for every size asked for.
class cDesignIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const int side = std::min(rect.width(), rect.height());
        painter->drawImage(QRect(rect.topLeft(), QSize(side, side)), DrawDesign(side));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(DrawDesign(std::min(size.width(), size.height())));
    }
    QIconEngine* clone() const override { return new cDesignIconEngine; }
};

}  // namespace

QPixmap ApplicationIconPixmap() {
    return QPixmap::fromImage(DrawDesign(DesignSide));
}

QIcon ApplicationIcon() {
    return QIcon(new cDesignIconEngine);
}
