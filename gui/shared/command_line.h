// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's command line: --help and --version print and end the program; --plot with
// --export draws formulas into a picture without showing a window; anything else it does not
// understand ends it with a message. Qt's own options (-style, -platform, ...) are taken
// by the application object before the check.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

// orvane --plot FORMULA [--plot FORMULA ...] [--from A --to B] --export FILE
struct cPlotRequest {
    QStringList formulas;
    double from = -10;
    double to = 10;
    QString exportFile;
};

// --help or --version among the arguments as given: prints the text to standard output and answers 0.
// Called before the application object exists, so these two work without a display.
std::optional<int> AnswerInformationOptions(const QStringList& arguments);

// The arguments the application object has left (QApplication::arguments()): anything not understood
// is reported on standard error with the usage, and answers 2. Nothing when the windows may start.
std::optional<int> CheckStartArguments(const QStringList& arguments);

// The plot to export, when the arguments (already checked by CheckStartArguments) ask for one.
std::optional<cPlotRequest> PlotRequestOf(const QStringList& arguments);

// Writes the text to standard output or standard error in the local 8-bit encoding.
void Print(FILE* stream, const QString& text);

// The arguments of main() as text.
QStringList ProgramArguments(int argc, const char* const argv[]);
