// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "history_file.h"

namespace {

namespace fs = std::filesystem;

// Another Orvane program holds the lock only while it writes a line or compacts the file; waiting
// longer means it hangs, and the entry is then not written rather than the program stalled.
constexpr int LockAttempts = 200;
constexpr useconds_t LockPause = 10000;

// O_NONBLOCK: a FIFO put in the file's place opens at once instead of waiting for a writer, and is
// then refused by its type. O_NOCTTY: a terminal device never becomes the controlling terminal.
constexpr int CommonFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

bool IsRegular(int descriptor, struct stat& status) {
    return fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

// Without the lock, the one write per entry still keeps lines whole where the file system has no
// advisory locks (some network file systems).
bool TakeLock(int descriptor) {
    for (int attempt = 0; attempt < LockAttempts; ++attempt) {
        if (flock(descriptor, LOCK_EX | LOCK_NB) == 0) return true;
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL;
        usleep(LockPause);
    }
    return false;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool WriteAll(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(descriptor, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// At most limit bytes from the start of the file, whatever the descriptor's offset.
std::optional<std::string> ReadFromStart(int descriptor, std::uintmax_t limit) {
    std::string bytes(static_cast<std::size_t>(limit), '\0');
    std::size_t length = 0;
    while (length < bytes.size()) {
        const ssize_t got =
            pread(descriptor, bytes.data() + length, bytes.size() - length, static_cast<off_t>(length));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        length += static_cast<std::size_t>(got);
    }
    bytes.resize(length);
    return bytes;
}

}  // namespace

cHistoryFileText ReadHistoryFile(const fs::path& path, std::uintmax_t maxSize) {
    // A device is never opened at all: opening some (a tape, a modem) has effects of its own.
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return {errno == ENOENT ? cHistoryReadOutcome::Missing : cHistoryReadOutcome::NotReadable, {}};
    if (!S_ISREG(status.st_mode)) return {cHistoryReadOutcome::NotAFile, {}};

    const int descriptor = open(path.c_str(), O_RDONLY | CommonFlags);
    if (descriptor < 0)
        return {errno == ENOENT ? cHistoryReadOutcome::Missing : cHistoryReadOutcome::NotReadable, {}};
    cHistoryFileText text;
    if (!IsRegular(descriptor, status)) {
        text.outcome = cHistoryReadOutcome::NotAFile;
    } else if (static_cast<std::uintmax_t>(status.st_size) > maxSize) {
        text.outcome = cHistoryReadOutcome::TooLarge;
    } else {
        // One byte more than the limit is asked for, should the file have grown since.
        auto bytes = ReadFromStart(descriptor, static_cast<std::uintmax_t>(status.st_size) + 1);
        text.outcome = !bytes                    ? cHistoryReadOutcome::NotReadable
                       : bytes->size() > maxSize ? cHistoryReadOutcome::TooLarge
                                                 : cHistoryReadOutcome::Read;
        if (text.outcome == cHistoryReadOutcome::Read) text.bytes = std::move(*bytes);
    }
    close(descriptor);
    return text;
}

bool MayWriteHistoryFile(const fs::path& path) {
    // The effective user's permissions, as an open would check them; root passes every check.
    return faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT;
}

cLockedHistoryFile::cLockedHistoryFile(const fs::path& path, bool create) : path_(path) {
    // Another program may compact the file between the open and the lock: its lock then guarded a
    // file that has lost its name, and the new one is opened again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        struct stat status {};
        if (stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) return;
        const int descriptor =
            open(path.c_str(), O_RDWR | O_APPEND | CommonFlags | (create ? O_CREAT : 0), 0600);
        if (descriptor < 0) return;
        handle_ = descriptor;
        struct stat named {};
        if (!IsRegular(descriptor, status) || !TakeLock(descriptor)) break;
        if (stat(path.c_str(), &named) == 0 && SameFile(status, named)) return;
        Close();
    }
    Close();
}

cLockedHistoryFile::~cLockedHistoryFile() {
    Close();
}

void cLockedHistoryFile::Close() {
    if (handle_ != NoHandle) close(static_cast<int>(handle_));  // the lock goes with the descriptor
    handle_ = NoHandle;
}

std::uintmax_t cLockedHistoryFile::Size() const {
    struct stat status {};
    return fstat(static_cast<int>(handle_), &status) == 0 ? static_cast<std::uintmax_t>(status.st_size) : 0;
}

bool cLockedHistoryFile::EndsLine() const {
    const std::uintmax_t size = Size();
    char last = '\n';
    return size == 0 ||
           (pread(static_cast<int>(handle_), &last, 1, static_cast<off_t>(size - 1)) == 1 && last == '\n');
}

std::optional<std::string> cLockedHistoryFile::Read(std::uintmax_t maxSize) const {
    const std::uintmax_t size = Size();
    if (size > maxSize) return std::nullopt;
    return ReadFromStart(static_cast<int>(handle_), size);
}

bool cLockedHistoryFile::Append(std::string_view text) {
    const std::uintmax_t oldSize = Size();
    if (WriteAll(static_cast<int>(handle_), text)) return true;
    Truncate(oldSize);
    return false;
}

bool cLockedHistoryFile::Truncate(std::uintmax_t length) {
    return ftruncate(static_cast<int>(handle_), static_cast<off_t>(length)) == 0;
}

bool cLockedHistoryFile::Replace(std::string_view text) {
    // A link keeps its place: the file it points to is replaced, beside itself.
    std::error_code error;
    fs::path target = fs::canonical(path_, error);
    if (error) target = path_;
    fs::path sibling = target;
    sibling += ".new";

    struct stat status {};
    const mode_t mode = fstat(static_cast<int>(handle_), &status) == 0 ? (status.st_mode & 07777) : 0600;
    unlink(sibling.c_str());  // left behind by a program that ended while compacting
    const int descriptor = open(sibling.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    bool written = descriptor >= 0;
    if (written) {
        written = fchmod(descriptor, mode) == 0 && WriteAll(descriptor, text) && fsync(descriptor) == 0;
        written = close(descriptor) == 0 && written;
        written = written && rename(sibling.c_str(), target.c_str()) == 0;
        if (!written) unlink(sibling.c_str());
    }
    Close();
    return written;
}

bool cLockedHistoryFile::MoveAside(const fs::path& newPath) {
    struct stat existing {};
    const bool moved = lstat(newPath.c_str(), &existing) != 0 && errno == ENOENT &&
                       rename(path_.c_str(), newPath.c_str()) == 0;
    Close();
    return moved;
}
