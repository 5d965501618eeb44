// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/link_target.h"

#include <system_error>

std::filesystem::path LinkTarget(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    constexpr int MaxLinks = 40;  // as the system gives up on a loop
    fs::path current = path;
    std::error_code error;
    for (int i = 0; i < MaxLinks && fs::is_symlink(current, error); ++i) {
        const fs::path next = fs::read_symlink(current, error);
        if (error) break;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}
