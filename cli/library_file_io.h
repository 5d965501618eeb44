// SPDX-License-Identifier: GPL-3.0-or-later
// Library files on disk for the command line: the engine reads and writes them through its hooks,
// which these functions point at an open file for the length of one load or save.
#pragma once

#include <cstdint>
#include <string>

#include "engine/Parser_core.h"

// The loader's result for the file: the kind comes from the file's magic, and a file that is no
// function library goes to the constant loader, which answers -4 (or -2 when it is too short for a
// magic). A pipe or a FIFO is read as a file. When the file cannot be read at all (missing, a folder,
// no permission) or the load is cancelled, problem says so and result means nothing.
struct cLibraryLoad {
    std::int32_t result = LoadSucceeded;
    std::string problem;
};
cLibraryLoad LoadLibraryFile(const std::string& path);

// Writes the live table of that kind to path. The file is replaced only when every byte was written:
// the library goes to a temporary file in the same folder, which then takes the name, and which is
// removed when the save fails or a signal ends the program. A symbolic link is followed, and the file
// it leads to is replaced; a target that is not a regular file (a folder, a device, a pipe), a loop of
// links and a read-only file are left alone. Answers an empty text on success, else what went wrong.
std::string SaveLibraryFile(const std::string& path, const cDeclarationOperations& kind);
