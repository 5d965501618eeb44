// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/orvane_utils.h"

#include <algorithm>

namespace {

constexpr std::size_t ListWidth = 15;
constexpr std::size_t ListKeep = 10;

bool IsPrintable(char c);

}  // namespace

std::string DeclName(std::string text) {
    std::erase_if(text, [](char c) { return !IsPrintable(c); });
    if (const std::size_t equals = text.find('='); equals != std::string::npos) text.resize(equals);
    return text;
}

std::string ListForm(std::string text) {
    if (text.size() <= ListWidth) return text;
    text.resize(ListKeep);
    return text + "[...]";
}

namespace {

bool IsPrintable(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 33 && code <= 126;
}

}  // namespace
