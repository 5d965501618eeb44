// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a small file as a whole, so that a failed write never leaves half of it behind.
#pragma once

#include <filesystem>
#include <string_view>

// Writes text to a sibling file and renames it over path, keeping its permissions. A symbolic link is
// followed: the file it leads to is replaced, beside it, and the link stays. False when anything failed
// (or the links are a loop); the old file is then as it was and the sibling is gone.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view text);
