// SPDX-License-Identifier: GPL-3.0-or-later
#include "declaration_options.h"

#include "declaring.h"
#include "usage_error.h"

namespace {

constexpr int FailureStatus = 2;

std::vector<cDeclaration> WithoutDescriptions(const std::vector<std::string>& definitions) {
    std::vector<cDeclaration> declarations;
    for (const std::string& definition : definitions)
        declarations.push_back({definition, std::string()});
    return declarations;
}

bool LoadAll(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        if (!LoadLibrary(path)) return false;
    return true;
}

bool SaveIfWanted(const std::optional<std::string>& path, const cDeclarationOperations& kind) {
    return !path || SaveLibrary(*path, kind);
}

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
    const std::string_view value = OptionValue(argc, argv, position);
    if (repeated != nullptr) {
        repeated->emplace_back(value);
    } else {
        *single = std::string(value);
    }
    return true;
}

int ApplyDeclarationOptions(const cDeclarationOptions& options) {
    const bool applied = LoadAll(options.libraries) &&
                         Declare(WithoutDescriptions(options.constants), ConstantDeclarations) &&
                         Declare(WithoutDescriptions(options.functions), FunctionDeclarations) &&
                         SaveIfWanted(options.saveConstants, ConstantDeclarations) &&
                         SaveIfWanted(options.saveFunctions, FunctionDeclarations);
    return applied ? 0 : FailureStatus;
}
