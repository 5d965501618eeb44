// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_problems.h"

#include <cerrno>
#include <system_error>

#include "common/orvane_utils.h"

namespace {

// The longest text a library file can hold: its length is stored in 2 bytes.
constexpr std::size_t MaxLibraryText = 65535;

std::string Reason(cFileProblem problem, std::string_view otherReason) {
    switch (problem) {
        case cFileProblem::Missing:
            return "there is no such file";
        case cFileProblem::Folder:
            return "it is a folder";
        case cFileProblem::NotAFile:
            return "it is not a regular file";
        case cFileProblem::NoPermission:
            return "permission denied";
        case cFileProblem::Other:
            break;
    }
    return std::string(otherReason);
}

}  // namespace

cFileProblem FileProblemOf(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
        case ENOTDIR:
            return cFileProblem::Missing;
        case EISDIR:
            return cFileProblem::Folder;
        case EACCES:
        case EPERM:
        case EROFS:
            return cFileProblem::NoPermission;
        default:
            return cFileProblem::Other;
    }
}

std::optional<cFileProblem> SaveTargetProblem(const std::filesystem::path& target) {
    std::error_code error;
    const auto status = std::filesystem::status(target, error);
    if (error || status.type() == std::filesystem::file_type::not_found ||
        status.type() == std::filesystem::file_type::regular)
        return std::nullopt;
    if (status.type() == std::filesystem::file_type::directory) return cFileProblem::Folder;
    return cFileProblem::NotAFile;
}

std::string FileProblemText(std::string_view fileName, std::string_view action, cFileProblem problem,
                            std::string_view otherReason) {
    return "Error: The file \"" + std::string(fileName) + "\" could not be " + std::string(action) + ": " +
           Reason(problem, otherReason) + ". Nothing has been changed.";
}

std::optional<std::string> OverlongDeclarationProblem(const cDeclarationOperations& kind) {
    for (std::int32_t i = 0; i < kind.count(); ++i) {
        const auto index = static_cast<std::uint32_t>(i);
        const std::string definition = kind.definition(index).value_or("");
        if (definition.size() > MaxLibraryText ||
            kind.description(index).value_or("").size() > MaxLibraryText)
            return "Error: Declaration " + std::to_string(i) + " (" + ListForm(DeclName(definition)) +
                   ") is longer than a library file can hold (65535 bytes for its definition and for its "
                   "description). Nothing has been saved.";
    }
    return std::nullopt;
}
