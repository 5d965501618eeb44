// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_text.h"

#include <algorithm>

namespace {

constexpr std::string_view LibeditMagic = "_HiStOrY_V2_";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned min = 0;  // the smallest code point of this length: shorter forms are not UTF-8
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            min = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            min = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            min = 0x10000;
        } else {
            return false;
        }
        if (text.size() - i < length) return false;
        unsigned point = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            point = (point << 6) | (next & 0x3F);
        }
        if (point < min || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

char ControlOf(char c) {
    return c == '?' ? '\x7F' : static_cast<char>(c & 0x1F);
}

// Undoes libedit's escapes (those of vis(3)): "\\", "\ooo", "\^C", "\M-c", "\M^C" and the C forms.
std::string Unescape(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char c = text[++i];
        const auto has = [&](std::size_t ahead) { return i + ahead < text.size(); };
        if (IsOctalDigit(c)) {
            unsigned value = 0;
            for (int digits = 0; digits < 3 && i < text.size() && IsOctalDigit(text[i]); ++digits, ++i)
                value = value * 8 + static_cast<unsigned>(text[i] - '0');
            --i;
            plain += static_cast<char>(value & 0xFF);
        } else if (c == 'M' && has(2) && (text[i + 1] == '-' || text[i + 1] == '^')) {
            const char base = text[i + 1] == '-' ? text[i + 2] : ControlOf(text[i + 2]);
            plain += static_cast<char>(static_cast<unsigned char>(base) | 0x80);
            i += 2;
        } else if (c == '^' && has(1)) {
            plain += ControlOf(text[++i]);
        } else {
            constexpr std::string_view from = "ntrbavfsE";
            constexpr std::string_view to = "\n\t\r\b\a\v\f \x1B";
            const auto found = from.find(c);
            if (found != std::string_view::npos)
                plain += to[found];
            else if (c != '\n' && c != '$')
                plain += c;  // "\\\n" and "\\$" stand for nothing
        }
    }
    return plain;
}

}  // namespace

cHistoryText ParseHistoryText(std::string_view bytes, std::size_t maxEntryLength) {
    cHistoryText text;
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) bytes.remove_prefix(ByteOrderMark.size());
    const std::string_view whole = bytes.substr(0, bytes.rfind('\n') + 1);  // none: npos + 1 is 0
    if (whole.find('\0') != std::string_view::npos || !IsValidUtf8(whole)) {
        text.readable = false;
        return text;
    }
    std::size_t start = 0;
    while (start < whole.size()) {
        const std::size_t end = whole.find('\n', start);
        std::string_view line = whole.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (text.lines++ == 0 && line == LibeditMagic) {
            text.libeditFormat = true;
            continue;
        }
        std::string entry = text.libeditFormat ? Unescape(line) : std::string(line);
        std::replace_if(
            entry.begin(), entry.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
        if (entry.empty() || entry.size() > maxEntryLength || !IsStorableEntry(entry)) continue;
        text.entries.push_back(std::move(entry));
    }
    return text;
}

bool IsStorableEntry(std::string_view formula) {
    return formula.find('\0') == std::string_view::npos && IsValidUtf8(formula);
}
