// orvane-cli: evaluates formulas from the command line or standard input in one shared parse tree,
// so that variables carry over from one formula to the next as in the main window.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "Parser_core.h"
#include "cli_options.h"
#include "console_hooks.h"
#include "engine_session.h"
#include "program_files.h"
#include "result_text.h"

namespace {

void UseLocaleDecimalSeparator() {
    std::setlocale(LC_ALL, "");
    const char* point = std::localeconv()->decimal_point;
    if (point != nullptr && std::strlen(point) == 1) DecimalSeparator = point[0];
}

// Prints the result text or <ERROR>; answers whether the formula succeeded.
bool Calculate(cParseTree& tree, const std::string& formula) {
    try {
        tree.Parse(formula);
    } catch (const std::exception&) {
        std::cout << "<ERROR>" << std::endl;
        std::cerr << "parse error" << std::endl;
        return false;
    }
    try {
        const double value = tree.Evaluate();
        std::cout << ResultText(value, DecimalSeparator) << std::endl;
        return true;
    } catch (const std::exception&) {
        std::cout << "<ERROR>" << std::endl;
        std::cerr << "calc error" << std::endl;
        return false;
    }
}

// The settings file the desktop program reads as well.
std::filesystem::path SettingsFilePath() {
    return LocateSettingsFile(RunningProgramFolder()).readPath;
}

int Run(const cCliOptions& options) {
    cEngineSettings settings = ReadEngineSettings(SettingsFilePath());
    if (options.angleMode) settings.angleMode = *options.angleMode;
    const cEngineSession engine(settings);
    if (const int status = ApplyDeclarationOptions(options.declarations, std::cerr); status != 0)
        return status;
    const auto tree = std::make_unique<cParseTree>();
    for (const auto& [letter, value] : options.presetVariables)
        tree->SetVariable(letter, value);
    if (TableRequested(options.table))
        return RunTable(options.table, *tree, !options.formulas.empty(), std::cout, std::cerr);

    // A run that saves a library and names no formula has done its job; it does not wait for input.
    const bool savesOnly = options.formulas.empty() &&
                           (options.declarations.saveConstants || options.declarations.saveFunctions);
    bool allSucceeded = true;
    if (!options.formulas.empty()) {
        for (const std::string& formula : options.formulas)
            allSucceeded &= Calculate(*tree, formula);
    } else if (!savesOnly) {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            allSucceeded &= Calculate(*tree, line);
        }
    }
    if (options.printVariables) {
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            std::cout << letter << " = " << ResultText(tree->GetVariable(letter), DecimalSeparator) << '\n';
        }
    }
    return allSucceeded ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    UseLocaleDecimalSeparator();
    InstallConsoleHooks();
    cCliOptions options;
    try {
        options = ParseCommandLine(argc, argv);
    } catch (const cUsageError& error) {
        std::cerr << "orvane-cli: " << error.message << "\n" << UsageText;
        return 2;
    }
    if (options.showHelp) {
        std::cout << UsageText << "\nSettings are read from " << SettingsFilePath().string() << "\n";
        return 0;
    }
    if (options.showVersion) {
        std::cout << "orvane-cli " << ORVANE_VERSION << "\n";
        return 0;
    }
    return Run(options);
}
