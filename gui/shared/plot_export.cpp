// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <iterator>

#include <qcustomplot.h>

#include "common/file_problems.h"
#include "file_paths.h"
#include "save_commit.h"
#include "view_clipping.h"

// The Windows program's Qt has no Qt Svg (gui/CMakeLists.txt): it writes PNG and PDF only.
#ifndef Q_OS_WIN
#include <QSvgGenerator>
#define ORVANE_SVG_EXPORT
#endif

namespace {

using tPictureWriter = bool (*)(QCustomPlot& plot, QIODevice& device, int width, int height);

bool WritePng(QCustomPlot& plot, QIODevice& device, int width, int height);
#ifdef ORVANE_SVG_EXPORT
bool WriteSvg(QCustomPlot& plot, QIODevice& device, int width, int height);
#endif
bool WritePdf(QCustomPlot& plot, QIODevice& device, int width, int height);

struct cPictureType {
    QString ending;
    QString filter;
    tPictureWriter write;
};

// In the order of the save dialog's filters.
const cPictureType PictureTypes[] = {
    {QStringLiteral("png"), QStringLiteral("PNG picture (*.png)"), WritePng},
#ifdef ORVANE_SVG_EXPORT
    {QStringLiteral("svg"), QStringLiteral("SVG picture (*.svg)"), WriteSvg},
#endif
    {QStringLiteral("pdf"), QStringLiteral("PDF document (*.pdf)"), WritePdf},
};
constexpr int PictureTypeCount = static_cast<int>(std::size(PictureTypes));

// The resolution QCustomPlot's own savePng and savePdf give their pictures, a screen's.
constexpr int DotsPerInch = 96;

}  // namespace

QStringList PlotPictureFilters() {
    QStringList filters;
    for (const cPictureType& type : PictureTypes)
        filters.append(type.filter);
    return filters;
}

QString WithPictureEnding(const QString& path, int filterIndex) {
    const QString ending = QFileInfo(path).suffix().toLower();
    for (const cPictureType& type : PictureTypes)
        if (type.ending == ending) return path;
    return path + QLatin1Char('.') + PictureTypes[std::clamp(filterIndex, 0, PictureTypeCount - 1)].ending;
}

std::optional<QString> PictureTargetProblem(const QString& path, const QString& name) {
    const auto problem = SaveTargetProblem(PathOf(path));
    if (!problem) return std::nullopt;
    return QString::fromStdString(FileProblemText(name.toStdString(), "written", *problem));
}

bool ExportPlot(QCustomPlot& plot, const QString& path, int width, int height) {
    const QString ending = QFileInfo(path).suffix().toLower();
    const auto type = std::find_if(std::begin(PictureTypes), std::end(PictureTypes),
                                   [&](const cPictureType& t) { return t.ending == ending; });
    if (type == std::end(PictureTypes) || SaveTargetProblem(PathOf(path))) return false;
    // The picture is made in memory and then written at once, so that a short write shows: QSvgGenerator
    // takes one for success. It goes to a file beside the old one, which it replaces only once it is
    // complete: a full disk must leave the old picture, not a cut-off or empty one.
    QBuffer picture;
    if (!picture.open(QIODevice::WriteOnly) || !type->write(plot, picture, width, height)) return false;
    const QByteArray& bytes = picture.data();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && CommitWholeFile(file);
}

namespace {

bool WritePng(QCustomPlot& plot, QIODevice& device, int width, int height) {
    QImage picture = plot.toPixmap(width, height).toImage();
    const int dotsPerMeter = static_cast<int>(DotsPerInch / 0.0254);
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    return !picture.isNull() && picture.save(&device, "PNG");
}

#ifdef ORVANE_SVG_EXPORT
// QSvgGenerator neither clips nor measures text at a screen's resolution by itself: the curves are cut
// at the view here, and the picture gets the resolution of the PNG, whose text sizes it then matches.
bool WriteSvg(QCustomPlot& plot, QIODevice& device, int width, int height) {
    const cDataClippedToView clipped(plot);
    QSvgGenerator svg;
    svg.setResolution(DotsPerInch);
    svg.setOutputDevice(&device);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setTitle(QStringLiteral("Orvane plot"));
    QCPPainter painter;
    if (!painter.begin(&svg)) return false;
    // QCustomPlot draws its axes, ticks and frames rounded to whole pixels, and for a picture of pixels
    // moves what it antialiases (the curves) half a pixel on. A renderer of SVG antialiases everything:
    // all half a pixel on, a one-pixel line covers one row of the picture, as in the PNG, not half of
    // two, and the curves are where the PNG has them. The renderer smooths them all the same.
    const QCP::AntialiasedElements smoothed = plot.notAntialiasedElements();
    plot.setNotAntialiasedElements(QCP::aeAll);
    painter.translate(0.5, 0.5);
    plot.toPainter(&painter, width, height);
    plot.setNotAntialiasedElements(smoothed);
    return painter.end();
}
#endif

// As QCustomPlot's savePdf draws, which writes only to a file of its own: one page of the picture's
// size in points, lines and text as vectors.
bool WritePdf(QCustomPlot& plot, QIODevice& device, int width, int height) {
    QPdfWriter pdf(&device);
    pdf.setTitle(QStringLiteral("Orvane plot"));
    pdf.setResolution(DotsPerInch);
    QPageLayout page(QPageSize(QSize(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch),
                     QPageLayout::Portrait, QMarginsF());
    page.setMode(QPageLayout::FullPageMode);
    if (!pdf.setPageLayout(page)) return false;
    QCPPainter painter;
    if (!painter.begin(&pdf)) return false;
    painter.setMode(QCPPainter::pmVectorized);
    painter.setWindow(QRect(0, 0, width, height));
    plot.toPainter(&painter, width, height);
    return painter.end();
}

}  // namespace
