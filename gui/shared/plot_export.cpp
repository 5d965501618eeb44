// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_export.h"

#include <QFileInfo>
#include <QSvgGenerator>
#include <array>

#include <qcustomplot.h>

namespace {

const std::array<QString, 3> Endings = {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")};

bool SaveSvg(QCustomPlot& plot, const QString& path, int width, int height) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setTitle(QStringLiteral("Orvane plot"));
    QCPPainter painter;
    if (!painter.begin(&svg)) return false;
    plot.toPainter(&painter, width, height);
    return painter.end() && QFileInfo(path).size() > 0;
}

}  // namespace

QStringList PlotPictureFilters() {
    return {QStringLiteral("PNG picture (*.png)"), QStringLiteral("SVG picture (*.svg)"),
            QStringLiteral("PDF document (*.pdf)")};
}

QString WithPictureEnding(const QString& path, int filterIndex) {
    const QString ending = QFileInfo(path).suffix().toLower();
    if (std::find(Endings.begin(), Endings.end(), ending) != Endings.end()) return path;
    return path + QLatin1Char('.') + Endings[static_cast<std::size_t>(std::clamp(filterIndex, 0, 2))];
}

bool ExportPlot(QCustomPlot& plot, const QString& path, int width, int height) {
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == Endings[0]) return plot.savePng(path, width, height);
    if (ending == Endings[1]) return SaveSvg(plot, path, width, height);
    if (ending == Endings[2]) return plot.savePdf(path, width, height);
    return false;
}
