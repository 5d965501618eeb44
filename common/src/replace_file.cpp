// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/replace_file.h"

#include <fstream>
#include <system_error>

#include "common/link_target.h"

bool ReplaceFileContents(const std::filesystem::path& path, std::string_view text) {
    namespace fs = std::filesystem;
    // A link stays a link: the file it leads to is replaced, in its own folder. The rename would put a
    // file in the place of a loop of links.
    const fs::path target = LinkTarget(path);
    std::error_code error;
    if (fs::is_symlink(target, error)) return false;
    auto temporary = target;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temporary, error);
            return false;
        }
    }
    // The new file keeps the old one's permissions: a file kept private stays so.
    const auto old = fs::status(target, error);
    if (!error) fs::permissions(temporary, old.permissions(), error);
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}
