// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's own options, kept in Orvane.ini in a section of their own beside the four
// engine settings, so that those keys and their sections stay as they are. Both are off by default.
#pragma once

#include <filesystem>

inline constexpr const char* DesktopSection = "Desktop";
inline constexpr const char* DigitGroupingKey = "DigitGrouping";
inline constexpr const char* RestoreSessionKey = "RestoreSession";

struct cDesktopOptions {
    bool digitGrouping = false;   // the result shown in groups of three digits
    bool restoreSession = false;  // variables, constants and functions come back at the next start
};

// Any integer other than 0 counts as on; a missing file, section or key as off.
cDesktopOptions ReadDesktopOptions(const std::filesystem::path& path);
