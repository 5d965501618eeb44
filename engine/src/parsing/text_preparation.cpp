// Character classes and the two passes that prepare a formula for parsing.
#include <string>

#include "Parser_core.h"

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNumberStart(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

std::string CompactText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 33 && code <= 126) result.push_back(c);
    }
    return result;
}

std::string ReplaceCharLiterals(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\'' && i + 2 < text.size() && text[i + 2] == '\'') {
            result += std::to_string(static_cast<unsigned char>(text[i + 1]));
            i += 3;
        } else {
            result.push_back(text[i]);
            ++i;
        }
    }
    return result;
}
