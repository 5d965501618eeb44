// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_runner.h"

#include <fstream>
#include <sstream>
#include <system_error>

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// The file is there before the program starts: the POSIX runner opens it without O_CREAT.
cTempFile::cTempFile(const std::string& content) : path(UniqueTempPath("orvane-cli-test-")) {
    std::ofstream(path, std::ios::binary) << content;
}

cTempFile::~cTempFile() {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}
