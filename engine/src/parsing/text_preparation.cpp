// SPDX-License-Identifier: GPL-3.0-or-later
// Character classes and the two passes that prepare a formula for parsing.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/Parser_core.h"
#include "parser.h"

namespace {

// The printable ASCII characters other than the blank: everything else is left out of a formula.
// The map from failure positions back to the typed text depends on it.
bool IsKept(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 33 && code <= 126;
}

}  // namespace

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNumberStart(char c) {
    return (c >= '0' && c <= '9') || IsDecimalSeparator(c);
}

// ';' separates arguments, so neither ',' nor '.' is ever an operator: both are read as the decimal
// separator whatever the locale, and a library written on one machine loads on any other.
bool IsDecimalSeparator(char c) {
    return c == '.' || c == ',';
}

std::string CompactText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (IsKept(c)) result.push_back(c);
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

namespace {

// Where each character of a prepared text comes from: the first and the last character of the
// original text that became it (the three characters of a literal become its two or three digits).
struct cPlace {
    int first;
    int last;
};

// The places of CompactText(text), and with replaceLiterals those of ReplaceCharLiterals of that.
// end is the place just after the last character kept.
std::vector<cPlace> PreparedPlaces(std::string_view text, bool replaceLiterals, int& end) {
    std::vector<int> kept;
    for (int i = 0; i < static_cast<int>(text.size()); ++i)
        if (IsKept(text[i])) kept.push_back(i);
    end = kept.empty() ? 0 : kept.back() + 1;
    const auto keptChar = [&](std::size_t k) { return text[kept[k]]; };
    std::vector<cPlace> places;
    for (std::size_t k = 0; k < kept.size();) {
        if (replaceLiterals && keptChar(k) == '\'' && k + 2 < kept.size() && keptChar(k + 2) == '\'') {
            const std::size_t digits = std::to_string(static_cast<unsigned char>(keptChar(k + 1))).size();
            places.insert(places.end(), digits, cPlace{kept[k], kept[k + 2]});
            k += 3;
        } else {
            places.push_back({kept[k], kept[k]});
            ++k;
        }
    }
    return places;
}

void PlaceIn(std::string_view text, bool literalsReplaced, cParseFailure& failure) {
    if (failure.first < 0) return;
    int end = 0;
    const std::vector<cPlace> places = PreparedPlaces(text, literalsReplaced, end);
    const auto count = static_cast<int>(places.size());
    if (failure.last < failure.first) {
        failure.first = failure.first < count ? places[failure.first].first : end;
        failure.last = failure.first - 1;
        return;
    }
    if (count == 0) return;
    failure.first = places[std::min(failure.first, count - 1)].first;
    failure.last = places[std::min(failure.last, count - 1)].last;
}

}  // namespace

void PlaceInFormula(std::string_view formula, cParseFailure& failure) {
    PlaceIn(formula, true, failure);
}

void PlaceInUncompacted(std::string_view text, cParseFailure& failure) {
    PlaceIn(text, false, failure);
}
