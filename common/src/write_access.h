// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the system lets this program write an existing file; write_access_posix.cpp and
// write_access_windows.cpp answer for each system.
#pragma once

#include <filesystem>

// The error number with which the system refuses to let this program write the file; 0 when it may.
int WriteAccessError(const std::filesystem::path& file);
