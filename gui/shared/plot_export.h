// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a plot as a picture: PNG, SVG (not on Windows) or PDF, chosen by the file name's ending.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCustomPlot;

// The save dialog's filters, in the order of the types.
QStringList PlotPictureFilters();
// Adds the ending of the filter chosen in the save dialog when the name has none of the types'.
QString WithPictureEnding(const QString& path, int filterIndex);
// Why the picture may not replace what is at path (a folder, a device, a read-only file, ...: see
// common/file_problems.h), in words that call the file name; nothing when it may.
std::optional<QString> PictureTargetProblem(const QString& path, const QString& name);
// Draws the plot at the given size into the file, which replaces the old one only once it is complete;
// answers false when the type is not one of these, PictureTargetProblem refuses the target or the
// file cannot be written, and then the old file is as it was.
bool ExportPlot(QCustomPlot& plot, const QString& path, int width, int height);
