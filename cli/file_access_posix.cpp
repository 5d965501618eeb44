// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "file_access.h"

namespace {

namespace fs = std::filesystem;

mode_t ModeForNewFile(const fs::path& path) {
    struct stat existing {};
    if (stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

fs::path PathOfText(const std::string& text) {
    return text;
}

std::string TextOfPath(const fs::path& path) {
    return path.native();
}

cFileHandle OpenForReading(const fs::path& path, int& errorNumber) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        errorNumber = errno;
        return nullptr;
    }
    struct stat status {};
    if (fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode)) {
        close(descriptor);
        errorNumber = EISDIR;
        return nullptr;
    }
    cFileHandle file(fdopen(descriptor, "rb"));
    if (!file) {
        errorNumber = errno;
        close(descriptor);
    }
    return file;
}

cTemporaryFile::cTemporaryFile(const fs::path& target) {
    std::string path = target.native() + ".XXXXXX";
    int descriptor = -1;
    {
        // A signal between creating the file and naming it would leave the file behind.
        const cSignalsHeld held;
        descriptor = mkostemp(path.data(), O_CLOEXEC);
        if (descriptor >= 0) registration_ = std::make_unique<cTemporaryFileRegistration>(path);
    }
    if (descriptor < 0) return;
    path_ = path;
    // mkstemp makes the file private; the library gets the mode a new file (or the old one) would have.
    fchmod(descriptor, ModeForNewFile(target));
    stream_.reset(fdopen(descriptor, "wb"));
    if (!stream_) close(descriptor);
}

cTemporaryFile::~cTemporaryFile() {
    stream_.reset();
    if (!path_.empty() && !renamed_) unlink(path_.c_str());
}

int cTemporaryFile::Commit(const fs::path& target) {
    const bool flushed = std::fflush(stream_.get()) == 0 && fsync(fileno(stream_.get())) == 0;
    int error = flushed ? 0 : errno;
    if (std::fclose(stream_.release()) != 0 && error == 0) error = errno;
    if (error != 0) return error;
    if (std::rename(path_.c_str(), target.c_str()) != 0) return errno;
    renamed_ = true;
    return 0;
}
