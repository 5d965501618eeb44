// SPDX-License-Identifier: GPL-3.0-or-later
// Where the tool windows (palettes, plot, progress) open: beside the main window and wholly on its
// screen, so that none opens off the screen's edge or over another of the program's windows.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The top-left corner of a window frame of that size: to the right of the main window's frame, else to
// its left, below it or above it, shifted along that side to lie wholly in the available area and
// overlapping none of the other frames. When no side has room for that, the side that, moved onto the
// screen, covers the least of the main window and the others.
QPoint ToolWindowPosition(const QRect& mainFrame, const QSize& frameSize, const QRect& available,
                          const QList<QRect>& otherFrames);

// Moves the tool window (about to be shown) to its place beside the main window on the main
// window's screen, away from those of the others that are shown.
void PlaceBesideMainWindow(QWidget* tool, const QWidget* mainWindow, const QList<const QWidget*>& others);
