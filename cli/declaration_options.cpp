#include "declaration_options.h"

#include "Parser_core.h"
#include "library_file_io.h"
#include "library_messages.h"

const char* const DeclarationOptionsHelp =
    "  -c DEF                   declare a constant, e.g. -c 'g=9.81' (repeatable)\n"
    "  -f DEF                   declare a user function, e.g. -f 'h(t)=g*t^2/2' (repeatable)\n"
    "  --load FILE              load a constant (.ovc) or function (.ovf) library (repeatable)\n"
    "  --save-constants FILE    save the constants as a library\n"
    "  --save-functions FILE    save the user functions as a library\n"
    "  Libraries are loaded first, in order; then all constants are declared, then all functions;\n"
    "  then the libraries are saved and the formulas calculated.\n";

namespace {

constexpr int FailureStatus = 2;

const char* const TableFullText =
    "Warning: It is not possible to add anything more. The memory area which is reserved for this purpose "
    "is full. You can avoid this by setting a larger value in the preferences.";

// The working-copy operations a group of declarations goes through, per kind.
struct DeclarationKind {
    void (*begin)();
    bool (*add)(std::string_view definition, std::string_view description);
    std::int32_t (*commit)();
    std::optional<std::string> (*definition)(std::uint32_t index);
    void (*discard)();
};

const DeclarationKind ConstantKind{BeginConstWork, AddConstant, CommitConstWork, GetConstDefinition,
                                   DiscardConstWork};
const DeclarationKind FunctionKind{BeginFuncWork, AddFunction, CommitFuncWork, GetFuncDefinition,
                                   DiscardFuncWork};

bool LoadLibraries(const std::vector<std::string>& paths, std::ostream& errors);
bool Declare(const std::vector<std::string>& definitions, const DeclarationKind& kind, std::ostream& errors);
bool Save(const std::optional<std::string>& path, LibraryKind kind, std::ostream& errors);

}  // namespace

OptionMatch TakeDeclarationOption(const std::vector<std::string>& arguments, std::size_t& position,
                                  DeclarationOptions& options) {
    const std::string& option = arguments[position];
    std::vector<std::string>* repeated = option == "-c"       ? &options.constants
                                         : option == "-f"     ? &options.functions
                                         : option == "--load" ? &options.libraries
                                                              : nullptr;
    std::optional<std::string>* single = option == "--save-constants"   ? &options.saveConstants
                                         : option == "--save-functions" ? &options.saveFunctions
                                                                        : nullptr;
    if (repeated == nullptr && single == nullptr) return OptionMatch::NotMine;
    if (position + 1 >= arguments.size()) return OptionMatch::MissingValue;
    ++position;
    if (repeated != nullptr) {
        repeated->push_back(arguments[position]);
    } else {
        *single = arguments[position];
    }
    return OptionMatch::Taken;
}

int ApplyDeclarationOptions(const DeclarationOptions& options, std::ostream& errors) {
    const bool applied = LoadLibraries(options.libraries, errors) &&
                         Declare(options.constants, ConstantKind, errors) &&
                         Declare(options.functions, FunctionKind, errors) &&
                         Save(options.saveConstants, LibraryKind::Constants, errors) &&
                         Save(options.saveFunctions, LibraryKind::Functions, errors);
    return applied ? 0 : FailureStatus;
}

namespace {

bool LoadLibraries(const std::vector<std::string>& paths, std::ostream& errors) {
    for (const std::string& path : paths) {
        const LibraryLoad load = LoadLibraryFile(path);
        if (!load.problem.empty()) {
            errors << load.problem << '\n';
            return false;
        }
        if (load.result != -1) {
            errors << LoadFailureText(load.result) << '\n';
            return false;
        }
    }
    return true;
}

// A failing commit answers the position of the declaration in the whole table, the declarations
// already live first, as the editor and the library loader report it.
bool Declare(const std::vector<std::string>& definitions, const DeclarationKind& kind, std::ostream& errors) {
    if (definitions.empty()) return true;
    kind.begin();
    for (const std::string& definition : definitions) {
        if (!kind.add(definition, "")) {
            kind.discard();
            errors << TableFullText << '\n';
            return false;
        }
    }
    const std::int32_t failed = kind.commit();
    if (failed == -1) return true;
    errors << "declaration " << failed << " is invalid: " << kind.definition(failed).value_or("") << '\n';
    kind.discard();
    return false;
}

bool Save(const std::optional<std::string>& path, LibraryKind kind, std::ostream& errors) {
    if (!path) return true;
    const std::string problem = SaveLibraryFile(*path, kind);
    if (problem.empty()) return true;
    errors << problem << '\n';
    return false;
}

}  // namespace
