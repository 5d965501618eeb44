// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <cstdio>

#include "common/program_files.h"
#include "file_paths.h"
#include "formula_text.h"
#include "plot_canvas.h"

namespace {

const QString UsageText = QStringLiteral(
    "Usage: orvane [OPTIONS]\n"
    "Starts the Orvane calculator.\n"
    "\n"
    "Options:\n"
    "  -h, --help        show this text\n"
    "  -v, --version     show the version\n"
    "  --plot FORMULA    draw FORMULA, a function of x, into a picture without showing a\n"
    "                    window (up to four times)\n"
    "  --from A, --to B  the picture's x range (default -10 to 10)\n"
#ifdef Q_OS_WIN
    "  --export FILE     the picture to write: FILE.png or FILE.pdf (SVG is not\n"
    "                    available on Windows)\n");
#else
    "  --export FILE     the picture to write: FILE.png, FILE.svg or FILE.pdf\n");
#endif

struct cParser {
    cParser() {
        // Single-dash words are Qt's own options (-reverse, -style), not bundles of letters.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        for (const auto* option : {&plot, &from, &to, &exportFile})
            parser.addOption(*option);
    }
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};
    QCommandLineOption plot{QStringLiteral("plot"), {}, QStringLiteral("FORMULA")};
    QCommandLineOption from{QStringLiteral("from"), {}, QStringLiteral("A")};
    QCommandLineOption to{QStringLiteral("to"), {}, QStringLiteral("B")};
    QCommandLineOption exportFile{QStringLiteral("export"), {}, QStringLiteral("FILE")};
};

constexpr int MaxPlotFormulas = 4;

std::optional<double> ReadBound(const cParser& parser, const QCommandLineOption& option, double otherwise,
                                QString& error) {
    if (!parser.parser.isSet(option)) return otherwise;
    const QString text = parser.parser.value(option);
    const auto number = NumberOfText(text);
    if (!number) error = QStringLiteral("--%1: '%2' is not a number").arg(option.names().front(), text);
    return number;
}

// The plot the options ask for, or why they cannot be followed; nothing without plot options.
std::optional<cPlotRequest> ReadPlotRequest(const cParser& parser, QString& error) {
    const bool any = parser.parser.isSet(parser.plot) || parser.parser.isSet(parser.exportFile) ||
                     parser.parser.isSet(parser.from) || parser.parser.isSet(parser.to);
    if (!any) return std::nullopt;
    cPlotRequest request;
    request.formulas = parser.parser.values(parser.plot);
    request.exportFile = parser.parser.value(parser.exportFile);
    const auto from = ReadBound(parser, parser.from, request.from, error);
    const auto to = ReadBound(parser, parser.to, request.to, error);
    if (!error.isEmpty()) return std::nullopt;
    request.from = *from;
    request.to = *to;
    if (request.formulas.isEmpty())
        error = QStringLiteral("--export, --from and --to need --plot");
    else if (request.formulas.size() > MaxPlotFormulas)
        error = QStringLiteral("at most %1 formulas can be plotted").arg(MaxPlotFormulas);
    else if (request.exportFile.isEmpty())
        error = QStringLiteral("--plot needs --export FILE");
    else if (!(request.from < request.to))
        error = QStringLiteral("--from must be less than --to");
    else if (!IsDrawableRange(request.from, request.to))
        error = QStringLiteral("--from and --to are too far apart or too close together to draw");
    if (!error.isEmpty()) return std::nullopt;
    return request;
}

QString SettingsLine() {
    const auto path = LocateSettingsFile(RunningProgramFolder()).readPath;
    return QStringLiteral("\nSettings are read from %1\n").arg(QStringOfPath(path));
}

}  // namespace

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

std::optional<int> AnswerInformationOptions(const QStringList& arguments) {
    cParser parser;
    // Errors are left to CheckStartArguments: some of them are Qt's options, unknown here.
    parser.parser.parse(arguments);
    if (parser.parser.isSet(parser.help)) {
        Print(stdout, UsageText + SettingsLine());
        return 0;
    }
    if (parser.parser.isSet(parser.version)) {
        Print(stdout, QStringLiteral("orvane " ORVANE_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> CheckStartArguments(const QStringList& arguments) {
    cParser parser;
    QString error;
    if (!parser.parser.parse(arguments))
        error = parser.parser.errorText();
    else if (!parser.parser.positionalArguments().isEmpty())
        error = QStringLiteral("unexpected argument '%1'").arg(parser.parser.positionalArguments().front());
    else
        ReadPlotRequest(parser, error);
    if (error.isEmpty()) return std::nullopt;
    Print(stderr, QStringLiteral("orvane: %1\n").arg(error) + UsageText);
    return 2;
}

std::optional<cPlotRequest> PlotRequestOf(const QStringList& arguments) {
    cParser parser;
    QString error;
    if (!parser.parser.parse(arguments)) return std::nullopt;
    return ReadPlotRequest(parser, error);
}

QStringList ProgramArguments(int argc, const char* const argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}
