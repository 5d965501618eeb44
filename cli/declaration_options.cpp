#include "declaration_options.h"

#include "Parser_core.h"
#include "cli_options.h"
#include "library_file_io.h"
#include "library_messages.h"

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

bool TakeDeclarationOption(int argc, const char* const argv[], int& position, DeclarationOptions& options) {
    const std::string_view option = argv[position];
    std::vector<std::string>* repeated = option == "-c"       ? &options.constants
                                         : option == "-f"     ? &options.functions
                                         : option == "--load" ? &options.libraries
                                                              : nullptr;
    std::optional<std::string>* single = option == "--save-constants"   ? &options.saveConstants
                                         : option == "--save-functions" ? &options.saveFunctions
                                                                        : nullptr;
    if (repeated == nullptr && single == nullptr) return false;
    if (position + 1 >= argc) throw cUsageError{std::string(option) + " needs a value"};
    ++position;
    if (repeated != nullptr) {
        repeated->emplace_back(argv[position]);
    } else {
        *single = argv[position];
    }
    return true;
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
