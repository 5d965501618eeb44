// SPDX-License-Identifier: GPL-3.0-or-later
// Curves cut at the edges of the plot's view, for pictures whose painter cannot clip: QSvgGenerator
// ignores clipping, so without this a curve near a pole runs over the axes and far off the picture.
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QVector>

#include <qcustomplot.h>

// The parts of the polyline through the points (x rising) that lie in the rectangle, in the same
// order, parted by a point with a NaN y as a graph's pieces are; such a point in the input breaks the
// line as well.
QVector<QPointF> PolylineInRect(const QVector<QPointF>& points, const QRectF& rect);

// While it lives, every graph of the plot holds only what its axes show: the lines cut at the view's
// edges, the scatter points outside it left out; and the legend's line samples, which QCustomPlot draws
// a little too long for its clipping to cut, end where they would be cut. All is as before at the end.
class cDataClippedToView {
public:
    explicit cDataClippedToView(QCustomPlot& plot);
    ~cDataClippedToView();
    cDataClippedToView(const cDataClippedToView&) = delete;
    cDataClippedToView& operator=(const cDataClippedToView&) = delete;

private:
    QCustomPlot& plot_;
    QList<std::pair<QCPGraph*, QSharedPointer<QCPGraphDataContainer>>> saved_;
};
