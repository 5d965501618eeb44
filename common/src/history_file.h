// SPDX-License-Identifier: GPL-3.0-or-later
// The formula history's file operations that differ between systems (history_file_posix.cpp,
// history_file_windows.cpp). The file is the user's and may be anything: it is read only when it is a
// regular file of bounded size, opened so that a FIFO never waits for a writer, and changed only
// under an advisory lock that every Orvane program takes, so that programs sharing it never lose each
// other's lines.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

enum class cHistoryReadOutcome { Read, Missing, NotAFile, TooLarge, NotReadable };

struct cHistoryFileText {
    cHistoryReadOutcome outcome = cHistoryReadOutcome::Missing;
    std::string bytes;  // the whole file when outcome is Read
};

// Reads the file at path (links followed) when it is a regular file of at most maxSize bytes.
cHistoryFileText ReadHistoryFile(const std::filesystem::path& path, std::uintmax_t maxSize);

// Whether the user's permissions let the program change the file, asked of the system without
// trying to open it. A missing file counts as writable: creating it fails cleanly where it cannot.
bool MayWriteHistoryFile(const std::filesystem::path& path);

// The regular file at path, opened to be changed and locked for as long as the object lives. Once
// the lock is granted the object holds the file that has the name, not one another program has
// replaced meanwhile.
class cLockedHistoryFile {
public:
    // create: make the file (readable by the user only) where it is missing. Not Usable() when the
    // path names no regular file, the file cannot be opened for writing, or another program holds
    // the lock for longer than a moment.
    cLockedHistoryFile(const std::filesystem::path& path, bool create);
    ~cLockedHistoryFile();
    cLockedHistoryFile(const cLockedHistoryFile&) = delete;
    cLockedHistoryFile& operator=(const cLockedHistoryFile&) = delete;

    bool Usable() const { return handle_ != NoHandle; }

    std::uintmax_t Size() const;
    // Whether the file is empty or ends with a line end.
    bool EndsLine() const;
    // The whole file; nothing when it is larger than maxSize or cannot be read.
    std::optional<std::string> Read(std::uintmax_t maxSize) const;
    // Writes text at the end; when that fails (a full disk), the file is cut back to its old length.
    bool Append(std::string_view text);
    // Cuts the file to its first length bytes.
    bool Truncate(std::uintmax_t length);
    // Writes text to a sibling and renames it over the file, with the file's permissions; the old file
    // is never written. The object is not Usable() afterwards.
    bool Replace(std::string_view text);
    // Gives the file the name newPath, when no file has that name yet. Not Usable() afterwards.
    bool MoveAside(const std::filesystem::path& newPath);

private:
    static constexpr std::intptr_t NoHandle = -1;

    void Close();

    std::filesystem::path path_;
    std::intptr_t handle_ = NoHandle;  // a descriptor, or a Windows HANDLE
};
