// SPDX-License-Identifier: GPL-3.0-or-later
// Library files: the declarations of one kind as definition and description texts, read and written
// only through ReadHook and WriteHook. Layout, little-endian without padding: the magic "OVC" or "OVF",
// the version 257 in 2 bytes, the entry count in 4 bytes, then per entry two strings, each a 2-byte
// length followed by that many bytes.
#include <cstring>
#include <type_traits>

#include "declaration_progress.h"
#include "engine/Parser_core.h"

namespace {

constexpr std::uint16_t FormatVersion = 257;
constexpr std::size_t MaxStringLength = 0xFFFF;
constexpr std::size_t MagicLength = 3;

template <class Entry>
bool SaveLibrary(const char* magic, const std::unique_ptr<Entry[]>& table, std::int32_t count);
bool WriteHeader(const char* magic, std::int32_t count);
bool WriteEntry(const std::optional<std::string>& definition, const std::optional<std::string>& description);
std::int32_t LoadLibrary(const cDeclarationOperations& kind);
std::int32_t ReadHeader(const char* magic, std::int32_t& count);
std::int32_t ReadEntries(std::int32_t count, const cDeclarationOperations& kind);
bool WriteBytes(const void* bytes, std::size_t count);
bool ReadBytes(void* bytes, std::size_t count);
template <class Number>
bool WriteNumber(Number value);
template <class Number>
bool ReadNumber(Number& value);

}  // namespace

// A text longer than a length field can say is refused rather than stored cut: its file would
// silently hold another declaration than the one saved.
bool WriteString(std::string_view text) {
    if (text.size() > MaxStringLength) return false;
    return WriteNumber(static_cast<std::uint16_t>(text.size())) && WriteBytes(text.data(), text.size());
}

// The text ends at its first NUL byte, as the program's texts do, so that saving it again writes what
// the program holds. On failure text is left as it was.
bool ReadString(std::string& text) {
    std::uint16_t length = 0;
    if (!ReadNumber(length)) return false;
    std::string buffer(length, '\0');
    if (!ReadBytes(buffer.data(), length)) return false;
    buffer.resize(std::strlen(buffer.c_str()));
    text = std::move(buffer);
    return true;
}

bool SaveConstLibrary() {
    return SaveLibrary(ConstantDeclarations.magic, Constants, ConstCount);
}

bool SaveFuncLibrary() {
    return SaveLibrary(FunctionDeclarations.magic, UserFunctions, FuncCount);
}

std::int32_t LoadConstLibrary() {
    return LoadLibrary(ConstantDeclarations);
}

std::int32_t LoadFuncLibrary() {
    return LoadLibrary(FunctionDeclarations);
}

namespace {

template <class Entry>
bool SaveLibrary(const char* magic, const std::unique_ptr<Entry[]>& table, std::int32_t count) {
    if (!WriteHeader(magic, count)) return false;
    const auto total = static_cast<std::uint32_t>(count);
    bool written = true;
    try {
        ReportDeclarationProgress(ActivitySaving, total, 0);
        for (std::int32_t i = 0; i < count && written; ++i) {
            written = WriteEntry(table[i].definition, table[i].description);
            if (written) ReportDeclarationProgress(ActivitySaving, total, static_cast<std::uint32_t>(i) + 1);
        }
    } catch (const cCalculationCancelled&) {
        EndDeclarationProgress();
        throw;
    }
    EndDeclarationProgress();
    return written;
}

bool WriteHeader(const char* magic, std::int32_t count) {
    return WriteBytes(magic, MagicLength) && WriteNumber(FormatVersion) && WriteNumber(count);
}

bool WriteEntry(const std::optional<std::string>& definition, const std::optional<std::string>& description) {
    return WriteString(definition.value_or(std::string())) &&
           WriteString(description.value_or(std::string()));
}

std::int32_t LoadLibrary(const cDeclarationOperations& kind) {
    std::int32_t count = 0;
    if (const std::int32_t failure = ReadHeader(kind.magic, count); failure != LoadSucceeded) return failure;
    kind.begin();
    std::int32_t failure = LoadSucceeded;
    try {
        ReportDeclarationProgress(ActivityLoading, static_cast<std::uint32_t>(count), 0);
        failure = ReadEntries(count, kind);
    } catch (...) {  // cancelled, or out of memory: the live table stays as it was
        kind.discard();
        EndDeclarationProgress();
        throw;
    }
    if (failure != LoadSucceeded) {
        kind.discard();
        EndDeclarationProgress();
        return failure;
    }
    EndDeclarationProgress();
    const std::int32_t committed = kind.commit();
    if (committed != CommitSucceeded) kind.discard();
    return committed;
}

std::int32_t ReadHeader(const char* magic, std::int32_t& count) {
    char fileMagic[MagicLength];
    if (!ReadBytes(fileMagic, sizeof fileMagic)) return LoadShortRead;
    if (std::memcmp(fileMagic, magic, sizeof fileMagic) != 0) return LoadNotALibrary;
    std::uint16_t version = 0;
    if (!ReadNumber(version)) return LoadShortRead;
    if (version != FormatVersion) return LoadOtherVersion;
    if (!ReadNumber(count)) return LoadShortRead;
    return LoadSucceeded;
}

// A negative count reads nothing, like a count of 0.
std::int32_t ReadEntries(std::int32_t count, const cDeclarationOperations& kind) {
    for (std::int32_t i = 0; i < count; ++i) {
        std::string definition;
        std::string description;
        if (!ReadString(definition) || !ReadString(description)) return LoadShortRead;
        if (!kind.add(definition, description)) return LoadTableFull;
        ReportDeclarationProgress(ActivityLoading, static_cast<std::uint32_t>(count),
                                  static_cast<std::uint32_t>(i) + 1);
    }
    return LoadSucceeded;
}

bool WriteBytes(const void* bytes, std::size_t count) {
    const auto requested = static_cast<std::int32_t>(count);
    return WriteHook != nullptr && WriteHook(bytes, requested) == requested;
}

bool ReadBytes(void* bytes, std::size_t count) {
    const auto requested = static_cast<std::int32_t>(count);
    return ReadHook != nullptr && ReadHook(bytes, requested) == requested;
}

// Little-endian whatever the machine's byte order.
template <class Number>
bool WriteNumber(Number value) {
    unsigned char bytes[sizeof(Number)];
    const auto bits = static_cast<std::make_unsigned_t<Number>>(value);
    for (std::size_t i = 0; i < sizeof(Number); ++i)
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    return WriteBytes(bytes, sizeof bytes);
}

template <class Number>
bool ReadNumber(Number& value) {
    unsigned char bytes[sizeof(Number)];
    if (!ReadBytes(bytes, sizeof bytes)) return false;
    std::make_unsigned_t<Number> bits = 0;
    for (std::size_t i = sizeof(Number); i > 0; --i) {
        bits = static_cast<std::make_unsigned_t<Number>>((bits << 8) | bytes[i - 1]);
    }
    value = static_cast<Number>(bits);
    return true;
}

}  // namespace
