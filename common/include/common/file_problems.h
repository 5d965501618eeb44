// SPDX-License-Identifier: GPL-3.0-or-later
// Why a file could not be used, in the same words in both front ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Parser_core.h"

enum class cFileProblem { Missing, Folder, NotAFile, NoPermission, Other };

// The problem an error number of the system stands for (ENOENT, EISDIR, EACCES, ...).
cFileProblem FileProblemOf(int errorNumber);

// A save target that exists and is not a regular file (a folder, a device, a pipe): saving over it
// would destroy what the program does not own. Nothing when the target may be written (it is a
// regular file, or there is none yet). Symbolic links are followed.
std::optional<cFileProblem> SaveTargetProblem(const std::filesystem::path& target);

// "Error: The file "NAME" could not be ACTION: REASON. Nothing has been changed." with the reason
// in words ("there is no such file", "it is a folder", ...); otherReason stands for cFileProblem::Other.
std::string FileProblemText(std::string_view fileName, std::string_view action, cFileProblem problem,
                            std::string_view otherReason = {});

// The error text that names the first declaration of the kind whose definition or description is too
// long for a library file's 2-byte length field, and the limit; nothing when every one fits.
std::optional<std::string> OverlongDeclarationProblem(const cDeclarationOperations& kind);
