// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <algorithm>
#include <system_error>

#include "history_file.h"

namespace {

namespace fs = std::filesystem;

// Another Orvane program holds the lock only while it writes a line or compacts the file; waiting
// longer means it hangs, and the entry is then not written rather than the program stalled.
constexpr int LockAttempts = 200;
constexpr DWORD LockPause = 10;
// Windows locks are mandatory: a lock on the file's bytes would keep other programs from reading
// them. Every Orvane program locks the same byte instead, far beyond the end of any history (2^40).
constexpr DWORD LockOffsetHigh = 0x100;
constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD MaxPiece = 1 << 20;

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

OVERLAPPED At(std::uintmax_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Folders are refused by name first: opening one needs a flag of its own.
bool NamesOtherThanFile(const fs::path& path) {
    std::error_code error;
    const auto type = fs::status(path, error).type();
    return type != fs::file_type::not_found && type != fs::file_type::regular && !error;
}

bool IsRegular(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information{};
    return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &information) != 0 &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::uintmax_t SizeOf(HANDLE file) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(file, &size) != 0 ? static_cast<std::uintmax_t>(size.QuadPart) : 0;
}

std::optional<std::string> ReadFromStart(HANDLE file, std::uintmax_t limit) {
    std::string bytes(static_cast<std::size_t>(limit), '\0');
    std::size_t length = 0;
    while (length < bytes.size()) {
        OVERLAPPED at = At(length);
        DWORD got = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - length, MaxPiece));
        if (ReadFile(file, bytes.data() + length, piece, &got, &at) == 0) {
            if (GetLastError() == ERROR_HANDLE_EOF) break;
            return std::nullopt;
        }
        if (got == 0) break;
        length += got;
    }
    bytes.resize(length);
    return bytes;
}

bool WriteAt(HANDLE file, std::uintmax_t offset, std::string_view text) {
    while (!text.empty()) {
        OVERLAPPED at = At(offset);
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(text.size(), MaxPiece));
        if (WriteFile(file, text.data(), piece, &written, &at) == 0 || written == 0) return false;
        text.remove_prefix(written);
        offset += written;
    }
    return true;
}

bool TakeLock(HANDLE file) {
    for (int attempt = 0; attempt < LockAttempts; ++attempt) {
        OVERLAPPED at = At(static_cast<std::uintmax_t>(LockOffsetHigh) << 32);
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != 0)
            return true;
        const DWORD error = GetLastError();
        // Without the lock (a share without locks), the one write per entry still keeps lines whole.
        if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING)
            return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION;
        Sleep(LockPause);
    }
    return false;
}

// Whether path still names the file open as file, or another program has replaced it meanwhile.
bool NamesFile(const fs::path& path, HANDLE file) {
    const HANDLE named = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, ShareAll, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (named == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    const bool same = GetFileInformationByHandle(named, &a) != 0 &&
                      GetFileInformationByHandle(file, &b) != 0 &&
                      a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
                      a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
    CloseHandle(named);
    return same;
}

}  // namespace

cHistoryFileText ReadHistoryFile(const fs::path& path, std::uintmax_t maxSize) {
    if (NamesOtherThanFile(path)) return {cHistoryReadOutcome::NotAFile, {}};
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, ShareAll, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {IsMissing(GetLastError()) ? cHistoryReadOutcome::Missing : cHistoryReadOutcome::NotReadable,
                {}};
    cHistoryFileText text;
    if (!IsRegular(file)) {
        text.outcome = cHistoryReadOutcome::NotAFile;
    } else if (SizeOf(file) > maxSize) {
        text.outcome = cHistoryReadOutcome::TooLarge;
    } else {
        // One byte more than the limit is asked for, should the file have grown since.
        auto bytes = ReadFromStart(file, SizeOf(file) + 1);
        text.outcome = !bytes                    ? cHistoryReadOutcome::NotReadable
                       : bytes->size() > maxSize ? cHistoryReadOutcome::TooLarge
                                                 : cHistoryReadOutcome::Read;
        if (text.outcome == cHistoryReadOutcome::Read) text.bytes = std::move(*bytes);
    }
    CloseHandle(file);
    return text;
}

bool MayWriteHistoryFile(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return IsMissing(GetLastError());
    return (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

cLockedHistoryFile::cLockedHistoryFile(const fs::path& path, bool create) : path_(path) {
    // Another program may compact the file between the open and the lock: its lock then guarded a
    // file that has lost its name, and the new one is opened again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (NamesOtherThanFile(path)) return;
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, ShareAll, nullptr,
                                        create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        handle_ = reinterpret_cast<std::intptr_t>(file);
        if (!IsRegular(file) || !TakeLock(file)) break;
        if (NamesFile(path, file)) return;
        Close();
    }
    Close();
}

cLockedHistoryFile::~cLockedHistoryFile() {
    Close();
}

void cLockedHistoryFile::Close() {
    if (handle_ == NoHandle) return;
    OVERLAPPED at = At(static_cast<std::uintmax_t>(LockOffsetHigh) << 32);
    UnlockFileEx(AsHandle(handle_), 0, 1, 0, &at);
    CloseHandle(AsHandle(handle_));
    handle_ = NoHandle;
}

std::uintmax_t cLockedHistoryFile::Size() const {
    return SizeOf(AsHandle(handle_));
}

bool cLockedHistoryFile::EndsLine() const {
    const std::uintmax_t size = Size();
    if (size == 0) return true;
    OVERLAPPED at = At(size - 1);
    char last = '\0';
    DWORD got = 0;
    return ReadFile(AsHandle(handle_), &last, 1, &got, &at) != 0 && got == 1 && last == '\n';
}

std::optional<std::string> cLockedHistoryFile::Read(std::uintmax_t maxSize) const {
    const std::uintmax_t size = Size();
    if (size > maxSize) return std::nullopt;
    return ReadFromStart(AsHandle(handle_), size);
}

bool cLockedHistoryFile::Append(std::string_view text) {
    const std::uintmax_t oldSize = Size();
    if (WriteAt(AsHandle(handle_), oldSize, text)) return true;
    Truncate(oldSize);
    return false;
}

bool cLockedHistoryFile::Truncate(std::uintmax_t length) {
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(length);
    return SetFilePointerEx(AsHandle(handle_), position, nullptr, FILE_BEGIN) != 0 &&
           SetEndOfFile(AsHandle(handle_)) != 0;
}

bool cLockedHistoryFile::Replace(std::string_view text) {
    fs::path sibling = path_;
    sibling += ".new";
    const HANDLE out = CreateFileW(sibling.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    bool written = out != INVALID_HANDLE_VALUE;
    if (written) {
        written = WriteAt(out, 0, text) && FlushFileBuffers(out) != 0;
        CloseHandle(out);
    }
    constexpr DWORD Flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    bool moved = written && MoveFileExW(sibling.c_str(), path_.c_str(), Flags) != 0;
    if (written && !moved) {
        // Some systems refuse to replace a file that is open: the lock is then given up a moment early.
        Close();
        moved = MoveFileExW(sibling.c_str(), path_.c_str(), Flags) != 0;
    }
    if (!moved) DeleteFileW(sibling.c_str());
    Close();
    return moved;
}

bool cLockedHistoryFile::MoveAside(const fs::path& newPath) {
    bool moved = MoveFileExW(path_.c_str(), newPath.c_str(), 0) != 0;
    if (!moved && GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_FILE_EXISTS) {
        Close();
        moved = MoveFileExW(path_.c_str(), newPath.c_str(), 0) != 0;
    }
    Close();
    return moved;
}
