// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_options.h"

#include <string_view>

#include "angle_modes.h"
#include "engine/Parser_core.h"

const char* const UsageText =
    "Usage: orvane-cli [OPTIONS] [FORMULA ...]\n"
    "Evaluates each FORMULA in turn in one shared set of variables a to z and prints one result per\n"
    "formula (or <ERROR>). Without formulas it reads standard input line by line, unless it only saves\n"
    "libraries: a line is a formula or a command beginning with ':' (:help lists them); blank lines and\n"
    "lines beginning with '#' are skipped. When standard input and output are terminals it is interactive:\n"
    "a prompt, line editing, history and completion with Tab; Ctrl-C cancels a calculation, Ctrl-D ends.\n"
    "\n"
    "Options:\n"
    "  --set LETTER=NUMBER  set a variable before the first formula (repeatable)\n"
    "  --angle rad|deg|gra  angle mode of the trigonometric functions (default: AngleMode in\n"
    "                       Orvane.ini, else degrees)\n"
    "  --locale             show results with the decimal separator of the user's locale\n"
    "                       (default: always '.'); numbers are read with '.' or ',' either way\n"
    "  --vars               after the last formula, print the 26 variables\n"
    "  -c DEF               declare a constant, e.g. -c 'gn=9.81' (repeatable)\n"
    "  -f DEF               declare a user function, e.g. -f 'h(t)=gn*t^2/2' (repeatable)\n"
    "  --load FILE          load a constant or function library (repeatable)\n"
    "  --save-constants FILE, --save-functions FILE\n"
    "                       save the constants or the user functions as a library\n"
    "                       Libraries are loaded first, in order; then all constants are declared,\n"
    "                       then all functions; then libraries are saved and formulas calculated.\n"
    "  --table FORMULA --from A --to B --steps N\n"
    "                       instead of calculating formulas, print the values of FORMULA at\n"
    "                       x = A, A + (B-A)/N, ..., B as CSV rows x,value (an empty value\n"
    "                       where the calculation fails)\n"
    "  --                   everything after this is a formula, also one like -x that would\n"
    "                       otherwise be taken for an option\n"
    "  -h, --help           show this text\n"
    "  --version            show the version\n"
    "\n"
    "Exit status: 0 when every formula and command succeeded, 1 when any failed, 2 for a usage error\n"
    "or a declaration, load or save of the options that failed, 3 when standard input could not be\n"
    "read or standard output could not be written.\n";

namespace {

std::pair<char, double> ParseAssignment(std::string_view text) {
    if (text.size() < 3 || text[1] != '=' || text[0] < 'a' || text[0] > 'z') {
        throw cUsageError{"--set expects LETTER=NUMBER with a letter a to z, not '" + std::string(text) +
                          "'"};
    }
    return {text[0], OptionNumber("--set", text.substr(2))};
}

// "--anything" and "-letter" are options; other arguments are formulas, so that -2^2 or -(1+2) need
// no "--" before them.
bool LooksLikeOption(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-') return false;
    const char next = argument[1];
    return next == '-' || (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z');
}

std::uint16_t ParseAngleMode(std::string_view text) {
    if (const auto mode = AngleModeNamed(text)) return *mode;
    throw cUsageError{"--angle expects rad, deg or gra, not '" + std::string(text) + "'"};
}

}  // namespace

cCliOptions ParseCommandLine(int argc, const char* const argv[]) {
    cCliOptions options;
    bool onlyFormulas = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        auto value = [&] { return OptionValue(argc, argv, i); };
        if (onlyFormulas) {
            options.formulas.emplace_back(argument);
        } else if (argument == "--") {
            onlyFormulas = true;
        } else if (argument == "--set") {
            options.presetVariables.push_back(ParseAssignment(value()));
        } else if (argument == "--angle") {
            options.angleMode = ParseAngleMode(value());
        } else if (TakeDeclarationOption(argc, argv, i, options.declarations)) {
        } else if (TakeTableOption(argc, argv, i, options.table)) {
        } else if (argument == "--vars") {
            options.printVariables = true;
        } else if (argument == "--locale") {
            options.localeSeparator = true;
        } else if (argument == "--help" || argument == "-h") {
            options.showHelp = true;
        } else if (argument == "--version") {
            options.showVersion = true;
        } else if (LooksLikeOption(argument)) {
            throw cUsageError{"unknown option " + std::string(argument)};
        } else {
            options.formulas.emplace_back(argument);
        }
    }
    return options;
}
