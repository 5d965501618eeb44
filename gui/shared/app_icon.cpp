#include "app_icon.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

const QString IconResource = QStringLiteral(":/icons/" ORVANE_APP_ID ".svg");
constexpr int DesignSide = 32;

}  // namespace

QPixmap ApplicationIconPixmap() {
    QSvgRenderer renderer(IconResource);
    QImage image(DesignSide, DesignSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon ApplicationIcon() {
    // Qt's SVG icon engine (part of Qt Svg) renders the file anew for each size.
    return QIcon(IconResource);
}
