// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 and the UTF-16 of the Windows calls, for the Windows units only.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

inline std::string Utf8OfWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    std::string text(WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, text.data(), static_cast<int>(text.size()), nullptr,
                        nullptr);
    return text;
}
