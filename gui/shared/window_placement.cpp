// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

namespace {

// Room between the main window and the tool window, as a window manager leaves between tiles.
constexpr int Gap = 8;

// The start of the span [start, start + length) moved to lie within [low, high) where it can.
int Within(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

QPoint ToolWindowPosition(const QRect& mainFrame, const QSize& frameSize, const QRect& available,
                          const QList<QRect>& otherFrames) {
    const int top = Within(mainFrame.top(), frameSize.height(), available.top(), available.bottom() + 1);
    const int left = Within(mainFrame.left(), frameSize.width(), available.left(), available.right() + 1);
    const std::array<QPoint, 4> sides = {
        QPoint(mainFrame.right() + 1 + Gap, top), QPoint(mainFrame.left() - Gap - frameSize.width(), top),
        QPoint(left, mainFrame.bottom() + 1 + Gap), QPoint(left, mainFrame.top() - Gap - frameSize.height())};
    const auto onScreen = [&](QPoint corner) { return available.contains(QRect(corner, frameSize)); };
    const auto free = [&](QPoint corner) {
        return std::none_of(otherFrames.begin(), otherFrames.end(),
                            [&](const QRect& other) { return other.intersects(QRect(corner, frameSize)); });
    };
    for (const QPoint corner : sides)
        if (onScreen(corner) && free(corner)) return corner;
    // No side has room for it whole and free: the side, moved onto the screen, where it covers the
    // least of the main window and the others.
    const auto ontoScreen = [&](QPoint corner) {
        return QPoint(Within(corner.x(), frameSize.width(), available.left(), available.right() + 1),
                      Within(corner.y(), frameSize.height(), available.top(), available.bottom() + 1));
    };
    const auto covered = [&](QPoint corner) {
        qint64 area = 0;
        for (const QRect& frame : otherFrames + QList<QRect>{mainFrame}) {
            const QRect both = QRect(corner, frameSize) & frame;
            area += static_cast<qint64>(both.width()) * both.height();
        }
        return area;
    };
    QPoint best = ontoScreen(sides[0]);
    for (const QPoint side : sides)
        if (covered(ontoScreen(side)) < covered(best)) best = ontoScreen(side);
    return best;
}

void PlaceBesideMainWindow(QWidget* tool, const QWidget* mainWindow, const QList<const QWidget*>& others) {
    // A window not yet shown has no frame: it will get the main window's.
    const QRect mainFrame = mainWindow->frameGeometry();
    const QSize frame = tool->size() + (mainFrame.size() - mainWindow->geometry().size());
    QList<QRect> otherFrames;
    for (const QWidget* other : others)
        if (other && other != tool && other->isVisible()) otherFrames.append(other->frameGeometry());
    const QScreen* screen = mainWindow->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(), frame);
    tool->move(ToolWindowPosition(mainFrame, frame, available, otherFrames));
}
