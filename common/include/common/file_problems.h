// SPDX-License-Identifier: GPL-3.0-or-later
// Why a file could not be used, in the same words in both front ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Parser_core.h"

enum class cFileProblem { Missing, Folder, NotAFile, NoPermission, ReadOnly, TooLarge, Other };

// A problem with the words that say cFileProblem::Other: the system's, or the program's own.
struct cFileFailure {
    cFileProblem problem = cFileProblem::Other;
    std::string otherReason;
    friend bool operator==(const cFileFailure&, const cFileFailure&) = default;
};

// The problem an error number of the system stands for (ENOENT, EISDIR, EACCES, ...).
cFileProblem FileProblemOf(int errorNumber);
// The same with the system's words for it, which say the problems without words of their own.
cFileFailure FileFailureOf(int errorNumber);

// A save target that may not be replaced: one that exists and is not a regular file (a folder, a
// device, a pipe), whose replacement would destroy what the program does not own; a loop of symbolic
// links, which a save would replace by a file; and a file the user may not write, or that has no write
// permission at all. Nothing when the target may be written (a regular file, or none there yet).
// Symbolic links are followed.
std::optional<cFileFailure> SaveTargetProblem(const std::filesystem::path& target);

// "Error: The file "NAME" could not be ACTION: REASON. Nothing has been changed." with the reason
// in words ("there is no such file", "it is a folder", ...); otherReason stands for cFileProblem::Other.
std::string FileProblemText(std::string_view fileName, std::string_view action, cFileProblem problem,
                            std::string_view otherReason = {});
std::string FileProblemText(std::string_view fileName, std::string_view action, const cFileFailure& failure);

// The error text that names the first declaration of the kind whose definition or description is too
// long for a library file's 2-byte length field, and the limit; nothing when every one fits.
std::optional<std::string> OverlongDeclarationProblem(const cDeclarationOperations& kind);
