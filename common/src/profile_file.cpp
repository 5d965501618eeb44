// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/profile_file.h"

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/replace_file.h"

namespace {

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// The name of a "[Section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct cKeyLine {
    std::string_view key;
    std::string_view value;
};

// A "Key=Value" line split at its first '='; comments (';' or '#') and other lines give nothing.
std::optional<cKeyLine> KeyLine(std::string_view line) {
    const auto trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return cKeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string MakeKeyLine(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line += value;
    return line;
}

}  // namespace

cProfileFile::cProfileFile(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        auto line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        start = end + 1;
    }
}

std::variant<cProfileFile, cFileFailure> cProfileFile::Read(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    // Only a regular file of a sane size is opened: opening a FIFO waits for a writer, and a device such
    // as /dev/zero never ends. At most one byte more than the size is read, should the file grow.
    std::error_code error;
    const auto status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) return cProfileFile();
    if (error) return FileFailureOf(error.value());
    if (status.type() == fs::file_type::directory) return cFileFailure{cFileProblem::Folder, {}};
    if (status.type() != fs::file_type::regular) return cFileFailure{cFileProblem::NotAFile, {}};
    const auto size = fs::file_size(path, error);
    if (error) return FileFailureOf(error.value());
    if (size > MaxProfileSize) return cFileFailure{cFileProblem::TooLarge, {}};
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileFailureOf(errno != 0 ? errno : EIO);
    std::string content(static_cast<std::size_t>(size) + 1, '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.bad()) return FileFailureOf(EIO);
    const auto length = static_cast<std::uintmax_t>(in.gcount());
    if (length > MaxProfileSize) return cFileFailure{cFileProblem::TooLarge, {}};
    content.resize(static_cast<std::size_t>(length));
    return cProfileFile(content);
}

cProfileFile cProfileFile::Load(const std::filesystem::path& path) {
    auto file = Read(path);
    if (auto* read = std::get_if<cProfileFile>(&file)) return std::move(*read);
    return {};
}

std::optional<std::string> cProfileFile::ReadString(std::string_view section, std::string_view key) const {
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto line = FindKey(*range, key);
    if (!line) return std::nullopt;
    return std::string(KeyLine(lines_[*line])->value);
}

std::int32_t cProfileFile::ReadInteger(std::string_view section, std::string_view key,
                                       std::int32_t defaultValue) const {
    const auto text = ReadString(section, key);
    if (!text) return defaultValue;
    return ParseProfileInteger(*text).value_or(defaultValue);
}

void cProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    auto range = FindSection(section);
    if (!range) {
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about "literal" + std::string.
        std::string header = "[";
        header.append(section).append("]");
        lines_.push_back(std::move(header));
        lines_.push_back(MakeKeyLine(key, value));
        return;
    }
    if (const auto line = FindKey(*range, key)) {
        // Keep the spelling of the name already in the file; only the value changes.
        const std::string existingKey(KeyLine(lines_[*line])->key);
        lines_[*line] = MakeKeyLine(existingKey, value);
        return;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(range->end), MakeKeyLine(key, value));
}

void cProfileFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

std::string cProfileFile::Text() const {
    std::string text;
    for (const auto& line : lines_) {
        text += line;
        text += '\n';
    }
    return text;
}

bool cProfileFile::Save(const std::filesystem::path& path) const {
    // A failed write (full disk, no permission) leaves the old settings as they were.
    return ReplaceFileContents(path, Text());
}

std::optional<cProfileFile::cSectionRange> cProfileFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (!name || !SameName(*name, section)) continue;
        std::size_t end = i + 1;
        for (std::size_t j = i + 1; j < lines_.size() && !SectionName(lines_[j]); ++j)
            if (!Trim(lines_[j]).empty()) end = j + 1;
        return cSectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> cProfileFile::FindKey(const cSectionRange& range, std::string_view key) const {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto line = KeyLine(lines_[i]);
        if (line && SameName(line->key, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    std::int32_t value = 0;
    const auto* first = text.data();
    const auto* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last) return std::nullopt;
    return value;
}
