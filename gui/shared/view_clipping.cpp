// SPDX-License-Identifier: GPL-3.0-or-later
#include "view_clipping.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr double Gap = std::numeric_limits<double>::quiet_NaN();
// How far past its icon QCPGraph draws a legend sample, so that a dashed pen's last dash shows.
constexpr int SampleOvershoot = 5;

// Liang-Barsky: the part of the segment inside the rectangle, nothing when it misses it.
std::optional<std::pair<QPointF, QPointF>> SegmentInRect(QPointF from, QPointF to, const QRectF& rect) {
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    double enter = 0;
    double leave = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {from.x() - rect.left(), rect.right() - from.x(), from.y() - rect.top(),
                         rect.bottom() - from.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave) return std::nullopt;
    return std::pair{from + enter * QPointF(dx, dy), from + leave * QPointF(dx, dy)};
}

void Append(QVector<QPointF>& line, QPointF point) {
    if (line.isEmpty() || line.back() != point) line.append(point);
}

void BreakLine(QVector<QPointF>& line, double x) {
    if (!line.isEmpty() && !std::isnan(line.back().y())) line.append(QPointF(x, Gap));
}

QSharedPointer<QCPGraphDataContainer> Container(const QVector<QPointF>& points) {
    auto data = QSharedPointer<QCPGraphDataContainer>::create();
    QVector<QCPGraphData> items;
    items.reserve(points.size());
    for (const QPointF& point : points)
        items.append(QCPGraphData(point.x(), point.y()));
    data->set(items, true);
    return data;
}

}  // namespace

QVector<QPointF> PolylineInRect(const QVector<QPointF>& points, const QRectF& rect) {
    QVector<QPointF> line;
    for (qsizetype i = 0; i + 1 < points.size(); ++i) {
        const QPointF from = points[i];
        const QPointF to = points[i + 1];
        const auto inside =
            std::isnan(from.y()) || std::isnan(to.y()) ? std::nullopt : SegmentInRect(from, to, rect);
        if (!inside) {
            BreakLine(line, to.x());
            continue;
        }
        if (!line.isEmpty() && !std::isnan(line.back().y()) && line.back() != inside->first)
            BreakLine(line, inside->first.x());
        Append(line, inside->first);
        Append(line, inside->second);
    }
    if (points.size() == 1 && rect.contains(points.front())) line.append(points.front());
    return line;
}

cDataClippedToView::cDataClippedToView(QCustomPlot& plot) : plot_(plot) {
    // The icon narrower and the padding wider by the overshoot: the sample ends and the text starts
    // where they do on a painter that clips.
    plot.legend->setIconSize(plot.legend->iconSize() - QSize(SampleOvershoot, 0));
    plot.legend->setIconTextPadding(plot.legend->iconTextPadding() + SampleOvershoot);
    for (int i = 0; i < plot.graphCount(); ++i) {
        QCPGraph* graph = plot.graph(i);
        const QCPRange keys = graph->keyAxis()->range();
        const QCPRange values = graph->valueAxis()->range();
        const QRectF view(QPointF(keys.lower, values.lower), QPointF(keys.upper, values.upper));
        QVector<QPointF> points;
        for (const QCPGraphData& item : *graph->data())
            points.append(QPointF(item.key, item.value));
        QVector<QPointF> shown;
        if (graph->lineStyle() == QCPGraph::lsNone) {
            for (const QPointF& point : points)
                if (view.contains(point)) shown.append(point);
        } else {
            shown = PolylineInRect(points, view);
        }
        saved_.append({graph, graph->data()});
        graph->setData(Container(shown));
    }
}

cDataClippedToView::~cDataClippedToView() {
    plot_.legend->setIconSize(plot_.legend->iconSize() + QSize(SampleOvershoot, 0));
    plot_.legend->setIconTextPadding(plot_.legend->iconTextPadding() - SampleOvershoot);
    for (auto& [graph, data] : saved_)
        graph->setData(data);
}
