// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/desktop_options.h"

#include "common/profile_file.h"

cDesktopOptions ReadDesktopOptions(const std::filesystem::path& path) {
    const auto file = cProfileFile::Load(path);
    cDesktopOptions options;
    options.digitGrouping = file.ReadInteger(DesktopSection, DigitGroupingKey, 0) != 0;
    options.restoreSession = file.ReadInteger(DesktopSection, RestoreSessionKey, 0) != 0;
    return options;
}
