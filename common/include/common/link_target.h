// SPDX-License-Identifier: GPL-3.0-or-later
// Where a save through a symbolic link writes: the file at the end of the chain, so the links stay.
#pragma once

#include <filesystem>

// The file a chain of symbolic links leads to; the path itself when it is no link. A link whose target
// is missing leads to where the target would be, as a save through it creates it. A chain longer than
// the system follows (a loop) ends at a link.
std::filesystem::path LinkTarget(const std::filesystem::path& path);
