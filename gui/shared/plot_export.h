// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a plot as a picture: PNG, SVG or PDF, chosen by the file name's ending.
#pragma once

#include <QString>
#include <QStringList>

class QCustomPlot;

// The save dialog's filters, in the order of the types.
QStringList PlotPictureFilters();
// Adds the ending of the filter chosen in the save dialog when the name has none of the three.
QString WithPictureEnding(const QString& path, int filterIndex);
// Draws the plot at the given size into the file; answers false when the type is not one of the three
// or the file cannot be written.
bool ExportPlot(QCustomPlot& plot, const QString& path, int width, int height);
