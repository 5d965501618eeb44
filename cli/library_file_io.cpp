// SPDX-License-Identifier: GPL-3.0-or-later
#include "library_file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>

#include "common/declaration_messages.h"
#include "common/failure_texts.h"
#include "common/file_problems.h"
#include "common/link_target.h"
#include "engine/Parser_core.h"
#include "file_access.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t MagicLength = 3;

// The open library the engine's hooks read from or write to. Loading reads the magic first to choose
// the kind, and a pipe cannot be rewound: those bytes are handed to the engine again from here.
struct cOpenLibrary {
    std::FILE* file = nullptr;
    char peeked[MagicLength] = {};
    std::size_t peekedCount = 0;
    std::size_t peekedServed = 0;
    int writeError = 0;  // the error number of a failed write
};

cOpenLibrary OpenLibrary;

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

std::string ProblemText(const std::string& path, const char* action, int errorNumber);
std::int32_t ReadFromLibrary(void* buffer, std::int32_t count);
std::int32_t WriteToLibrary(const void* buffer, std::int32_t count);

}  // namespace

cLibraryLoad LoadLibraryFile(const std::string& path) {
    int error = 0;
    const cFileHandle file = OpenForReading(PathOfText(path), error);
    if (!file) return {LoadSucceeded, ProblemText(path, "loaded", error)};
    const cLibraryStreamScope scope(file.get());
    OpenLibrary.peekedCount = std::fread(OpenLibrary.peeked, 1, MagicLength, file.get());
    const bool functions = OpenLibrary.peekedCount == MagicLength &&
                           std::memcmp(OpenLibrary.peeked, FunctionDeclarations.magic, MagicLength) == 0;
    const cDeclarationOperations& kind = functions ? FunctionDeclarations : ConstantDeclarations;
    try {
        const std::int32_t result = kind.load();
        if (result >= 0 && DescribeCommitFailure().outOfMemory) throw std::bad_alloc();
        return {result, std::string()};
    } catch (const cCalculationCancelled&) {
        return {LoadSucceeded, FileProblemText(path, "loaded", cFileProblem::Other, "it was cancelled")};
    } catch (const std::bad_alloc&) {
        return {LoadSucceeded, FileProblemText(path, "loaded", cFileProblem::Other, "out of memory")};
    }
}

std::string SaveLibraryFile(const std::string& path, const cDeclarationOperations& kind) {
    if (auto overlong = OverlongDeclarationProblem(kind)) return std::move(*overlong);
    const fs::path given = PathOfText(path);
    if (const auto problem = SaveTargetProblem(given)) return FileProblemText(path, "saved", *problem);
    // A link stays a link: the file it leads to is replaced, in its own folder.
    const fs::path target = LinkTarget(given);
    cTemporaryFile temporary(target);
    if (temporary.stream() == nullptr) return ProblemText(path, "saved", errno);
    bool saved = false;
    try {
        const cLibraryStreamScope scope(temporary.stream());
        saved = kind.save();
    } catch (const cCalculationCancelled&) {
        return FileProblemText(path, "saved", cFileProblem::Other, "it was cancelled");
    }
    if (!saved) {
        if (OpenLibrary.writeError != 0) return ProblemText(path, "saved", OpenLibrary.writeError);
        return FileOperationErrorText;
    }
    if (const int error = temporary.Commit(target); error != 0) return ProblemText(path, "saved", error);
    return std::string();
}

namespace {

cLibraryStreamScope::cLibraryStreamScope(std::FILE* file) : savedRead_(ReadHook), savedWrite_(WriteHook) {
    OpenLibrary = cOpenLibrary{};
    OpenLibrary.file = file;
    ReadHook = ReadFromLibrary;
    WriteHook = WriteToLibrary;
}

cLibraryStreamScope::~cLibraryStreamScope() {
    OpenLibrary.file = nullptr;
    ReadHook = savedRead_;
    WriteHook = savedWrite_;
}

std::string ProblemText(const std::string& path, const char* action, int errorNumber) {
    return FileProblemText(path, action, FileFailureOf(errorNumber));
}

std::int32_t ReadFromLibrary(void* buffer, std::int32_t count) {
    auto* bytes = static_cast<char*>(buffer);
    std::size_t wanted = static_cast<std::size_t>(count);
    std::size_t moved = 0;
    while (moved < wanted && OpenLibrary.peekedServed < OpenLibrary.peekedCount)
        bytes[moved++] = OpenLibrary.peeked[OpenLibrary.peekedServed++];
    moved += std::fread(bytes + moved, 1, wanted - moved, OpenLibrary.file);
    return static_cast<std::int32_t>(moved);
}

std::int32_t WriteToLibrary(const void* buffer, std::int32_t count) {
    const std::size_t written = std::fwrite(buffer, 1, static_cast<std::size_t>(count), OpenLibrary.file);
    if (written != static_cast<std::size_t>(count)) OpenLibrary.writeError = errno;
    return static_cast<std::int32_t>(written);
}

}  // namespace
