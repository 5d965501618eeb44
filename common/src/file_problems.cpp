// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_problems.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "common/orvane_utils.h"
#include "write_access.h"

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
        case cFileProblem::ReadOnly:
            return "it is read-only";
        case cFileProblem::TooLarge:  // only the settings file has a limit (cProfileFile::MaxProfileSize)
            return "it is larger than 1 MiB";
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

cFileFailure FileFailureOf(int errorNumber) {
    return {FileProblemOf(errorNumber), std::strerror(errorNumber)};
}

std::optional<cFileFailure> SaveTargetProblem(const std::filesystem::path& target) {
    namespace fs = std::filesystem;
    std::error_code error;
    const auto status = fs::status(target, error);
    if (status.type() == fs::file_type::not_found) return std::nullopt;
    // Said in the system's words: a loop of links (which the rename of a save would replace by a file),
    // or a folder on the way that may not be searched.
    if (error) return FileFailureOf(error.value());
    if (status.type() == fs::file_type::directory) return cFileFailure{cFileProblem::Folder, {}};
    if (status.type() != fs::file_type::regular) return cFileFailure{cFileProblem::NotAFile, {}};
    // The rename of a save needs only the folder's permission, so it would replace a file the user may
    // not write. A file without any write permission is kept from root too, who may write anything: its
    // owner made it read-only to keep it, and editors respect that.
    constexpr auto anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & anyWrite) == fs::perms::none) return cFileFailure{cFileProblem::ReadOnly, {}};
    if (const int refused = WriteAccessError(target); refused != 0) return FileFailureOf(refused);
    return std::nullopt;
}

std::string FileProblemText(std::string_view fileName, std::string_view action, cFileProblem problem,
                            std::string_view otherReason) {
    return "Error: The file \"" + std::string(fileName) + "\" could not be " + std::string(action) + ": " +
           Reason(problem, otherReason) + ". Nothing has been changed.";
}

std::string FileProblemText(std::string_view fileName, std::string_view action, const cFileFailure& failure) {
    return FileProblemText(fileName, action, failure.problem, failure.otherReason);
}

std::optional<std::string> OverlongDeclarationProblem(const cDeclarationOperations& kind) {
    for (std::int32_t i = 0; i < kind.count(); ++i) {
        const auto index = static_cast<std::uint32_t>(i);
        const std::string definition = kind.definition(index).value_or("");
        if (definition.size() > MaxLibraryText ||
            kind.description(index).value_or("").size() > MaxLibraryText)
            return "Error: Declaration " + std::to_string(i + 1) + " (" + ListForm(DeclName(definition)) +
                   ") is longer than a library file can hold (65535 bytes for its definition and for its "
                   "description). Nothing has been saved.";
    }
    return std::nullopt;
}
