// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <random>
#include <system_error>

#include "file_access.h"

namespace {

namespace fs = std::filesystem;

// The C library's error number for a failed Windows call, for the same texts as elsewhere.
int ErrorNumberOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return EACCES;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        default:
            return EIO;
    }
}

std::wstring RandomSuffix() {
    static std::mt19937 generator{std::random_device{}()};
    constexpr wchar_t letters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::wstring suffix = L".";
    for (int i = 0; i < 6; ++i)
        suffix += letters[generator() % (sizeof letters / sizeof letters[0] - 1)];
    return suffix;
}

}  // namespace

fs::path PathOfText(const std::string& text) {
    try {
        return fs::path(std::u8string(text.begin(), text.end()));
    } catch (const fs::filesystem_error&) {
        return fs::path(text);  // no UTF-8: the ANSI code page's name
    }
}

std::string TextOfPath(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

cFileHandle OpenForReading(const fs::path& path, int& errorNumber) {
    std::error_code ignored;
    if (fs::is_directory(path, ignored)) {
        errorNumber = EISDIR;
        return nullptr;
    }
    cFileHandle file(_wfopen(path.c_str(), L"rb"));
    if (!file) errorNumber = errno;
    return file;
}

cTemporaryFile::cTemporaryFile(const fs::path& target) {
    constexpr int Attempts = 100;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        fs::path path = target;
        path += RandomSuffix();
        HANDLE handle = INVALID_HANDLE_VALUE;
        {
            // A Ctrl-C between creating the file and naming it would leave the file behind. Sharing
            // its deletion lets the control handler remove it while it is still open.
            const cSignalsHeld held;
            handle = CreateFileW(path.c_str(), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle != INVALID_HANDLE_VALUE)
                registration_ = std::make_unique<cTemporaryFileRegistration>(path);
        }
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS) continue;
            errno = ErrorNumberOf(error);
            return;
        }
        path_ = path;
        const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY | _O_WRONLY);
        if (descriptor < 0) {
            CloseHandle(handle);
            return;
        }
        stream_.reset(_fdopen(descriptor, "wb"));
        if (!stream_) _close(descriptor);
        return;
    }
    errno = EEXIST;
}

cTemporaryFile::~cTemporaryFile() {
    stream_.reset();
    if (!path_.empty() && !renamed_) DeleteFileW(path_.c_str());
}

int cTemporaryFile::Commit(const fs::path& target) {
    int error = 0;
    if (std::fflush(stream_.get()) != 0) {
        error = errno;
    } else if (FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream_.get())))) == 0) {
        error = ErrorNumberOf(GetLastError());
    }
    if (std::fclose(stream_.release()) != 0 && error == 0) error = errno;
    if (error != 0) return error;
    // Unlike rename in the C library, this replaces a file that already has the name.
    if (MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0)
        return ErrorNumberOf(GetLastError());
    renamed_ = true;
    return 0;
}
