// SPDX-License-Identifier: GPL-3.0-or-later
// orvane-cli: evaluates formulas from the command line, from a script on standard input or typed at
// its prompt, in one shared parse tree, so that variables carry over from one formula to the next as
// in the main window.
#include <unistd.h>

#include <clocale>
#include <cstring>
#include <filesystem>
#include <string>

#include "angle_modes.h"
#include "cli_options.h"
#include "commands.h"
#include "common/engine_session.h"
#include "common/program_files.h"
#include "console.h"
#include "console_hooks.h"
#include "engine/Parser_core.h"
#include "file_access.h"
#include "interactive.h"
#include "interrupts.h"
#include "program_arguments.h"
#include "script.h"
#include "session.h"
#include "table_option.h"
#include "terminal.h"

namespace {

constexpr int UsageStatus = 2;

// Results show '.' unless the user asks for the locale's separator: a script must give the same
// output on every machine. The character type always follows the locale, for line editing.
void UseLocale(bool forNumbers) {
    std::setlocale(LC_CTYPE, "");
    if (!forNumbers) return;
    std::setlocale(LC_NUMERIC, "");
    const char* point = std::localeconv()->decimal_point;
    if (point != nullptr && std::strlen(point) == 1) DecimalSeparator = point[0];
}

// The settings file the desktop program reads as well.
std::filesystem::path SettingsFilePath() {
    return LocateSettingsFile(RunningProgramFolder()).readPath;
}

int RunFormulas(cSession& session, const std::vector<std::string>& formulas) {
    bool allSucceeded = true;
    for (const std::string& formula : formulas)
        allSucceeded &= session.RunFormula(formula);
    return allSucceeded ? 0 : 1;
}

int Run(const cCliOptions& options) {
    cEngineSettings settings = ReadEngineSettings(SettingsFilePath());
    if (options.angleMode) settings.angleMode = *options.angleMode;
    const cEngineSession engine(settings);
    InstallConsoleHooks();
    if (const int status = ApplyDeclarationOptions(options.declarations); status != 0) return status;
    cSession session;
    for (const auto& [letter, value] : options.presetVariables)
        session.Calculator().Tree().SetVariable(letter, value);
    if (TableRequested(options.table))
        return RunTable(options.table, session.Calculator().Tree(), !options.formulas.empty());

    // A run that saves a library and names no formula has done its job; it does not wait for input.
    const bool savesOnly = options.formulas.empty() &&
                           (options.declarations.saveConstants || options.declarations.saveFunctions);
    // Interactive mode wants both ends at the terminal: with standard output in a file or a pipe, a
    // prompt and line editing would end up there.
    const bool interactive = IsTerminal(STDIN_FILENO) && IsTerminal(STDOUT_FILENO);
    int status = 0;
    if (!options.formulas.empty()) {
        status = RunFormulas(session, options.formulas);
    } else if (!savesOnly) {
        status = interactive ? RunInteractive(session) : RunScript(session);
    }
    if (options.printVariables && status != IoFailureStatus) PrintVariables(session.Calculator().Tree());
    return status;
}

// Whatever the run answered, output that did not reach its place makes it fail.
int CheckOutput(int status) {
    if (StandardOutput().Flush()) return status;
    ReportProgramMessage(std::string("standard output could not be written: ") +
                         std::strerror(StandardOutput().Error()));
    return IoFailureStatus;
}

}  // namespace

int main(int argc, char* argv[]) {
    const cTerminalSetup terminal;
    InstallTerminationCleanup();
    const std::vector<std::string> arguments = ProgramArguments(argc, argv);
    std::vector<const char*> words;
    for (const std::string& argument : arguments)
        words.push_back(argument.c_str());
    cCliOptions options;
    try {
        options = ParseCommandLine(static_cast<int>(words.size()), words.data());
    } catch (const cUsageError& error) {
        ReportProgramMessage(error.message);
        ReportMessage(std::string_view(UsageText, std::strlen(UsageText) - 1));
        return UsageStatus;
    }
    if (options.showHelp) {
        StandardOutput().Write(UsageText);
        StandardOutput().Line("\nSettings are read from " + TextOfPath(SettingsFilePath()));
        return CheckOutput(0);
    }
    if (options.showVersion) {
        StandardOutput().Line(std::string("orvane-cli ") + ORVANE_VERSION);
        return CheckOutput(0);
    }
    UseLocale(options.localeSeparator);
    return CheckOutput(Run(options));
}
