// SPDX-License-Identifier: GPL-3.0-or-later
// A profile (INI) file: [Section] headers and Key=Value lines, names compared without regard to case.
//
// The file is kept as its lines, so that comments, blank lines, unknown sections and keys written by
// hand survive a write: only the line of a key that is written changes, and a missing key or section is
// added at the end of its section or of the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/file_problems.h"

class cProfileFile {
public:
    cProfileFile() = default;
    // Splits text into lines; CR LF and LF endings are both accepted.
    explicit cProfileFile(std::string_view text);

    // Reads the file at path: an empty profile when there is none, else the file or why it cannot be
    // read whole. Only a regular file (links are followed) of at most MaxProfileSize is read.
    static std::variant<cProfileFile, cFileFailure> Read(const std::filesystem::path& path);
    // As Read, with an empty profile for a file that cannot be read.
    static cProfileFile Load(const std::filesystem::path& path);
    static constexpr std::uintmax_t MaxProfileSize = 1024 * 1024;

    // The value of the first matching key in the first matching section, blanks trimmed.
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;
    // The value as a decimal integer (optional sign, blanks around it); defaultValue when the key is
    // missing or its text is not an integer that fits 32 bits.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);

    // The whole file, each line ended by LF.
    std::string Text() const;
    // Replaces the file at path (or the file a link there leads to) only once the new content has been
    // written completely.
    bool Save(const std::filesystem::path& path) const;

private:
    struct cSectionRange {
        std::size_t header;  // index of the [Section] line
        std::size_t end;     // one past its last line that is not blank
    };
    std::optional<cSectionRange> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const cSectionRange& range, std::string_view key) const;

    std::vector<std::string> lines_;
};

// Parses a whole decimal integer as the profile file writes it; nothing for any other text.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);
