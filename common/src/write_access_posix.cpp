// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <cerrno>

#include "write_access.h"

int WriteAccessError(const std::filesystem::path& file) {
    return access(file.c_str(), W_OK) == 0 ? 0 : errno;
}
