#include "command_line.h"

#include <QCommandLineParser>
#include <QFile>
#include <cstdio>

#include "program_files.h"

namespace {

const QString UsageText = QStringLiteral(
    "Usage: orvane [OPTIONS]\n"
    "Starts the Orvane calculator.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this text\n"
    "  -v, --version  show the version\n");

struct cParser {
    cParser() {
        // Single-dash words are Qt's own options (-reverse, -style), not bundles of letters.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
    }
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};
};

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QString SettingsLine() {
    const auto path = LocateSettingsFile(RunningProgramFolder()).readPath;
    return QStringLiteral("\nSettings are read from %1\n").arg(QFile::decodeName(path.string().c_str()));
}

}  // namespace

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
    if (error.isEmpty()) return std::nullopt;
    Print(stderr, QStringLiteral("orvane: %1\n").arg(error) + UsageText);
    return 2;
}

QStringList ProgramArguments(int argc, const char* const argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}
