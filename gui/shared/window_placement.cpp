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
    for (const QPoint corner : sides)
        if (onScreen(corner)) return corner;
    // No side has room: over the main window, but on the screen, its title bar first.
    return {Within(sides[0].x(), frameSize.width(), available.left(), available.right() + 1),
            std::max(available.top(), std::min(top, available.bottom() + 1 - frameSize.height()))};
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
