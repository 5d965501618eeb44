// The command line's declaration options: -c DEF and -f DEF declare a constant or a user function,
// --load FILE loads a library, --save-constants FILE and --save-functions FILE save one.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct DeclarationOptions {
    std::vector<std::string> libraries;
    std::vector<std::string> constants;
    std::vector<std::string> functions;
    std::optional<std::string> saveConstants;
    std::optional<std::string> saveFunctions;
};

enum class OptionMatch { NotMine, Taken, MissingValue };

// When arguments[position] is one of the options above, stores it with its value, moves position onto
// the value and answers Taken; MissingValue when the value is missing.
OptionMatch TakeDeclarationOption(const std::vector<std::string>& arguments, std::size_t& position,
                                  DeclarationOptions& options);

// Loads the libraries in order, then commits all constants, then all functions, as the declaration
// editor would, then saves. Answers 0, or the exit status 2 after telling errors why.
int ApplyDeclarationOptions(const DeclarationOptions& options, std::ostream& errors);

// The lines --help shows for these options.
extern const char* const DeclarationOptionsHelp;
