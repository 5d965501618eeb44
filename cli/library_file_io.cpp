#include "library_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "Parser_core.h"
#include "declaration_messages.h"

namespace {

struct cFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using cFileHandle = std::unique_ptr<std::FILE, cFileCloser>;

// Points the engine's hooks at one open file and takes them back when it ends.
class cLibraryStreamScope {
public:
    explicit cLibraryStreamScope(std::FILE* file);
    ~cLibraryStreamScope();
    cLibraryStreamScope(const cLibraryStreamScope&) = delete;
    cLibraryStreamScope& operator=(const cLibraryStreamScope&) = delete;

private:
    tReadHook savedRead_;
    tWriteHook savedWrite_;
};

// A temporary file that is removed unless it was given its final name.
class cTemporaryFile {
public:
    explicit cTemporaryFile(const std::string& finalPath);
    ~cTemporaryFile();
    cTemporaryFile(const cTemporaryFile&) = delete;
    cTemporaryFile& operator=(const cTemporaryFile&) = delete;

    std::FILE* stream() const { return stream_.get(); }
    // Flushes, closes and renames; answers what went wrong, or an empty text.
    std::string Commit(const std::string& finalPath);

private:
    std::string path_;
    cFileHandle stream_;
    bool renamed_ = false;
};

std::FILE* OpenLibrary = nullptr;

bool IsFunctionLibrary(std::FILE* file);
std::int32_t ReadFromLibrary(void* buffer, std::int32_t count);
std::int32_t WriteToLibrary(const void* buffer, std::int32_t count);
mode_t ModeForNewFile(const std::string& path);
std::string SystemProblem(const std::string& path);

}  // namespace

cLibraryLoad LoadLibraryFile(const std::string& path) {
    const cFileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) return {LoadSucceeded, SystemProblem(path)};
    const cDeclarationOperations& kind =
        IsFunctionLibrary(file.get()) ? FunctionDeclarations : ConstantDeclarations;
    const cLibraryStreamScope scope(file.get());
    return {kind.load(), std::string()};
}

std::string SaveLibraryFile(const std::string& path, const cDeclarationOperations& kind) {
    cTemporaryFile temporary(path);
    if (temporary.stream() == nullptr) return SystemProblem(path);
    bool saved = false;
    {
        const cLibraryStreamScope scope(temporary.stream());
        saved = kind.save();
    }
    if (!saved) return FileOperationErrorText;
    return temporary.Commit(path);
}

namespace {

cLibraryStreamScope::cLibraryStreamScope(std::FILE* file) : savedRead_(ReadHook), savedWrite_(WriteHook) {
    OpenLibrary = file;
    ReadHook = ReadFromLibrary;
    WriteHook = WriteToLibrary;
}

cLibraryStreamScope::~cLibraryStreamScope() {
    OpenLibrary = nullptr;
    ReadHook = savedRead_;
    WriteHook = savedWrite_;
}

cTemporaryFile::cTemporaryFile(const std::string& finalPath) : path_(finalPath + ".XXXXXX") {
    const int descriptor = mkstemp(path_.data());
    if (descriptor < 0) {
        path_.clear();
        return;
    }
    // mkstemp makes the file private; the library gets the mode a new file (or the old one) would have.
    fchmod(descriptor, ModeForNewFile(finalPath));
    stream_.reset(fdopen(descriptor, "wb"));
    if (!stream_) close(descriptor);
}

cTemporaryFile::~cTemporaryFile() {
    stream_.reset();
    if (!path_.empty() && !renamed_) std::remove(path_.c_str());
}

std::string cTemporaryFile::Commit(const std::string& finalPath) {
    const bool flushed = std::fflush(stream_.get()) == 0 && fsync(fileno(stream_.get())) == 0;
    const bool closed = std::fclose(stream_.release()) == 0;
    if (!flushed || !closed) return SystemProblem(finalPath);
    if (std::rename(path_.c_str(), finalPath.c_str()) != 0) return SystemProblem(finalPath);
    renamed_ = true;
    return std::string();
}

bool IsFunctionLibrary(std::FILE* file) {
    char magic[3] = {};
    const bool function = std::fread(magic, 1, sizeof magic, file) == sizeof magic &&
                          std::memcmp(magic, FunctionDeclarations.magic, sizeof magic) == 0;
    std::rewind(file);
    return function;
}

std::int32_t ReadFromLibrary(void* buffer, std::int32_t count) {
    return static_cast<std::int32_t>(std::fread(buffer, 1, static_cast<std::size_t>(count), OpenLibrary));
}

std::int32_t WriteToLibrary(const void* buffer, std::int32_t count) {
    return static_cast<std::int32_t>(std::fwrite(buffer, 1, static_cast<std::size_t>(count), OpenLibrary));
}

mode_t ModeForNewFile(const std::string& path) {
    struct stat existing {};
    if (stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string SystemProblem(const std::string& path) {
    return path + ": " + std::strerror(errno);
}

}  // namespace
