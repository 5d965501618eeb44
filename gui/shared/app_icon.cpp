#include "app_icon.h"

#include <QImage>
#include <QPainter>

namespace {

// The classic 16-colour palette, the only colours the icon uses.
const QColor Black(0, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Teal(0, 128, 128);
const QColor Gray(128, 128, 128);
const QColor Silver(192, 192, 192);
const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);

constexpr int Side = 32;

void DrawBody(QPainter& painter) {
    painter.fillRect(4, 1, 24, 30, Black);
    painter.fillRect(5, 2, 22, 28, Navy);
}

// The display, showing a sigma: the calculator's sums and products.
void DrawDisplay(QPainter& painter) {
    painter.fillRect(7, 4, 18, 9, Black);
    painter.fillRect(8, 5, 16, 7, Teal);
    painter.setPen(Yellow);
    painter.drawLine(12, 6, 17, 6);
    painter.drawLine(12, 10, 17, 10);
    for (const QPoint stroke : {QPoint(13, 7), QPoint(14, 8), QPoint(13, 9), QPoint(17, 7), QPoint(17, 9)})
        painter.drawPoint(stroke);
}

// Four rows of three keys; the last key, the one that calculates, is red.
void DrawKeys(QPainter& painter) {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int left = 8 + column * 6;
            const int top = 15 + row * 4;
            const bool calculate = row == 3 && column == 2;
            painter.fillRect(left, top, 5, 3, calculate ? Red : Silver);
            painter.setPen(calculate ? Black : Gray);
            painter.drawLine(left, top + 2, left + 4, top + 2);
        }
    }
    painter.setPen(White);
    painter.drawLine(5, 2, 26, 2);
    painter.drawLine(5, 2, 5, 29);
}

}  // namespace

QPixmap ApplicationIconPixmap() {
    QImage image(Side, Side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawBody(painter);
    DrawDisplay(painter);
    DrawKeys(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon ApplicationIcon() {
    return QIcon(ApplicationIconPixmap());
}
