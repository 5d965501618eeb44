// SPDX-License-Identifier: GPL-3.0-or-later
// The file operations of library files that differ between systems: opening a file to read, and
// writing a new one under a temporary name beside its target, which replaces the target only once
// every byte is on the disk. file_access_posix.cpp and file_access_windows.cpp answer for each system.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "interrupts.h"

struct cFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using cFileHandle = std::unique_ptr<std::FILE, cFileCloser>;

// The path a file name given by the user stands for: its bytes as they are, or on Windows UTF-8.
std::filesystem::path PathOfText(const std::string& text);

// The path as the program shows it: UTF-8 on Windows.
std::string TextOfPath(const std::filesystem::path& path);

// Opens the file to read its bytes; nothing, with the system's error number, when it cannot be read
// (a folder answers EISDIR).
cFileHandle OpenForReading(const std::filesystem::path& path, int& errorNumber);

// A temporary file beside the target that is removed unless it was given the target's name, also when
// a signal ends the program meanwhile.
class cTemporaryFile {
public:
    // Creates the file, where files have modes with the target's (or a new file's) mode; when it
    // cannot be created, stream() is null and errno says why.
    explicit cTemporaryFile(const std::filesystem::path& target);
    ~cTemporaryFile();
    cTemporaryFile(const cTemporaryFile&) = delete;
    cTemporaryFile& operator=(const cTemporaryFile&) = delete;

    std::FILE* stream() const { return stream_.get(); }
    // Flushes to the disk, closes and takes the target's name, replacing the target; answers the
    // error number, or 0.
    int Commit(const std::filesystem::path& target);

private:
    std::filesystem::path path_;
    cFileHandle stream_;
    std::unique_ptr<cTemporaryFileRegistration> registration_;
    bool renamed_ = false;
};
