#include "declaration_options.h"

#include "Parser_core.h"
#include "declaration_messages.h"
#include "library_file_io.h"
#include "usage_error.h"

namespace {

constexpr int FailureStatus = 2;

bool LoadLibraries(const std::vector<std::string>& paths, std::ostream& errors);
bool Declare(const std::vector<std::string>& definitions, const cDeclarationOperations& kind,
             std::ostream& errors);
bool Save(const std::optional<std::string>& path, const cDeclarationOperations& kind, std::ostream& errors);

}  // namespace

bool TakeDeclarationOption(int argc, const char* const argv[], int& position, cDeclarationOptions& options) {
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

int ApplyDeclarationOptions(const cDeclarationOptions& options, std::ostream& errors) {
    const bool applied = LoadLibraries(options.libraries, errors) &&
                         Declare(options.constants, ConstantDeclarations, errors) &&
                         Declare(options.functions, FunctionDeclarations, errors) &&
                         Save(options.saveConstants, ConstantDeclarations, errors) &&
                         Save(options.saveFunctions, FunctionDeclarations, errors);
    return applied ? 0 : FailureStatus;
}

namespace {

bool LoadLibraries(const std::vector<std::string>& paths, std::ostream& errors) {
    for (const std::string& path : paths) {
        const cLibraryLoad load = LoadLibraryFile(path);
        if (!load.problem.empty()) {
            errors << load.problem << '\n';
            return false;
        }
        if (load.result != LoadSucceeded) {
            errors << LoadFailureText(load.result) << '\n';
            return false;
        }
    }
    return true;
}

// A failing commit answers the position of the declaration in the whole table, the declarations
// already live first, as the editor and the library loader report it.
bool Declare(const std::vector<std::string>& definitions, const cDeclarationOperations& kind,
             std::ostream& errors) {
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
    if (failed == CommitSucceeded) return true;
    errors << InvalidDeclarationText(failed, kind.definition(failed).value_or("")) << '\n';
    kind.discard();
    return false;
}

bool Save(const std::optional<std::string>& path, const cDeclarationOperations& kind, std::ostream& errors) {
    if (!path) return true;
    const std::string problem = SaveLibraryFile(*path, kind);
    if (problem.empty()) return true;
    errors << problem << '\n';
    return false;
}

}  // namespace
