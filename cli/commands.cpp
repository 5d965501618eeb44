// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include <string>

#include "angle_modes.h"
#include "common/result_text.h"
#include "console.h"
#include "declaring.h"

namespace {

struct cCommand {
    std::string_view name;
    std::string_view arguments;  // as the help shows them; empty for a command without arguments
    std::string_view help;
    bool (*run)(std::string_view argument, cCalculator& calculator);
};

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool Refuse(std::string text) {
    ReportMessage(text);
    return false;
}

// The memory commands are the memory keys on the variable named.
bool ChangeVariable(std::string_view argument, cCalculator& calculator, double (cCalculator::*key)(char)) {
    if (argument.size() != 1 || argument[0] < 'a' || argument[0] > 'z')
        return Refuse("expected a variable letter a to z, not " + std::string(argument));
    (calculator.*key)(argument[0]);
    return true;
}

bool StoreResult(std::string_view argument, cCalculator& calculator) {
    return ChangeVariable(argument, calculator, &cCalculator::StoreResult);
}

bool AddResult(std::string_view argument, cCalculator& calculator) {
    return ChangeVariable(argument, calculator, &cCalculator::AddResult);
}

bool SubtractResult(std::string_view argument, cCalculator& calculator) {
    return ChangeVariable(argument, calculator, &cCalculator::SubtractResult);
}

// "DEFINITION # DESCRIPTION": the description is everything after the first '#'.
cDeclaration SplitDeclaration(std::string_view argument) {
    const auto hash = argument.find('#');
    if (hash == std::string_view::npos) return {std::string(argument), std::string()};
    return {std::string(Trimmed(argument.substr(0, hash))), std::string(Trimmed(argument.substr(hash + 1)))};
}

bool DeclareConstant(std::string_view argument, cCalculator&) {
    return Declare({SplitDeclaration(argument)}, ConstantDeclarations);
}

bool DeclareFunction(std::string_view argument, cCalculator&) {
    return Declare({SplitDeclaration(argument)}, FunctionDeclarations);
}

bool ListVariables(std::string_view, cCalculator& calculator) {
    PrintVariables(calculator.Tree());
    return true;
}

// A text of the editor may hold line ends; a list shows each declaration on one line.
std::string OnOneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// Each declaration as ":const" or ":func" takes it, so that a list can be pasted back.
void ListDeclarations(const cDeclarationOperations& kind) {
    for (std::int32_t i = 0; i < kind.count(); ++i) {
        const auto index = static_cast<std::uint32_t>(i);
        std::string line = OnOneLine(kind.definition(index).value_or(""));
        const std::string description = OnOneLine(kind.description(index).value_or(""));
        if (!description.empty()) line += "  # " + description;
        StandardOutput().Line(line);
    }
}

bool ListConstants(std::string_view, cCalculator&) {
    ListDeclarations(ConstantDeclarations);
    return true;
}

bool ListFunctions(std::string_view, cCalculator&) {
    ListDeclarations(FunctionDeclarations);
    return true;
}

bool Load(std::string_view argument, cCalculator&) {
    return LoadLibrary(std::string(argument));
}

bool SaveConstants(std::string_view argument, cCalculator&) {
    return SaveLibrary(std::string(argument), ConstantDeclarations);
}

bool SaveFunctions(std::string_view argument, cCalculator&) {
    return SaveLibrary(std::string(argument), FunctionDeclarations);
}

bool SwitchAngle(std::string_view argument, cCalculator&) {
    const auto mode = AngleModeNamed(argument);
    if (!mode) return Refuse("expected rad, deg or gra, not " + std::string(argument));
    SwitchAngleMode(*mode);
    return true;
}

bool ShowHelp(std::string_view argument, cCalculator& calculator);

const cCommand Commands[] = {
    {":m", "LETTER", "store the last result in variable LETTER, as [M] does", StoreResult},
    {":m+", "LETTER", "add the last result to variable LETTER, as [M+] does", AddResult},
    {":m-", "LETTER", "subtract the last result from variable LETTER, as [M-] does", SubtractResult},
    {":const", "DEFINITION [# DESCRIPTION]", "declare a constant, e.g. :const gn=9.81 # gravity",
     DeclareConstant},
    {":func", "DEFINITION [# DESCRIPTION]", "declare a user function, e.g. :func h(t)=gn*t^2/2",
     DeclareFunction},
    {":vars", "", "list the variables a to z", ListVariables},
    {":consts", "", "list the constants with their descriptions", ListConstants},
    {":funcs", "", "list the user functions with their descriptions", ListFunctions},
    {":load", "FILE", "load a constant or function library", Load},
    {":save-consts", "FILE", "save the constants as a library", SaveConstants},
    {":save-funcs", "FILE", "save the user functions as a library", SaveFunctions},
    {":angle", "rad|deg|gra", "switch the angle mode of the trigonometric functions for this session",
     SwitchAngle},
    {":help", "", "show this text", ShowHelp},
};

const cCommand* Find(std::string_view name) {
    for (const cCommand& command : Commands)
        if (command.name == name) return &command;
    return nullptr;
}

bool ShowHelp(std::string_view, cCalculator&) {
    constexpr std::size_t HelpColumn = 28;
    StandardOutput().Line("Commands, each on a line of its own:");
    for (const cCommand& command : Commands) {
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about "literal" + std::string
        // here once the loop is inlined.
        std::string line = "  ";
        line.append(command.name);
        if (!command.arguments.empty()) line.append(" ").append(command.arguments);
        if (line.size() >= HelpColumn) {
            StandardOutput().Line(line);
            line.clear();
        }
        line.resize(HelpColumn, ' ');
        StandardOutput().Line(line + std::string(command.help));
    }
    return true;
}

}  // namespace

bool IsCommand(std::string_view line) {
    return !line.empty() && line[0] == ':';
}

bool RunCommand(std::string_view line, cCalculator& calculator) {
    line = Trimmed(line);
    const auto nameEnd = line.find_first_of(" \t");
    const std::string_view name = line.substr(0, nameEnd);
    const std::string_view argument =
        nameEnd == std::string_view::npos ? std::string_view() : Trimmed(line.substr(nameEnd));
    const cCommand* command = Find(name);
    if (command == nullptr)
        return Refuse("unknown command " + std::string(name) + " (:help lists the commands)");
    if (command->arguments.empty() && !argument.empty())
        return Refuse(std::string(name) + " takes no argument");
    if (!command->arguments.empty() && argument.empty())
        return Refuse(std::string(name) + " needs " + std::string(command->arguments));
    return command->run(argument, calculator);
}

std::vector<std::string_view> CommandNames() {
    std::vector<std::string_view> names;
    for (const cCommand& command : Commands)
        names.push_back(command.name);
    return names;
}

void PrintVariables(const cParseTree& tree) {
    for (char letter = 'a'; letter <= 'z'; ++letter)
        StandardOutput().Line(std::string{letter, ' ', '=', ' '} +
                              ResultText(tree.GetVariable(letter), DecimalSeparator));
}
