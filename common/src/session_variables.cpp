// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/session_variables.h"

#include <charconv>
#include <cmath>

std::string VariablesText(const tVariableValues& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        char buffer[32];
        // The shortest text that reads back to the same bits; NaN and infinities as "nan", "inf".
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, values[i]);
        text += static_cast<char>('a' + i);
        text += '=';
        text.append(buffer, written.ptr);
        text += '\n';
    }
    return text;
}

void ReadVariablesText(std::string_view text, tVariableValues& values) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() < 3 || line[0] < 'a' || line[0] > 'z' || line[1] != '=') continue;
        double value = 0.0;
        const auto number = line.substr(2);
        const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
        if (read.ec == std::errc() && read.ptr == number.data() + number.size())
            values[static_cast<std::size_t>(line[0] - 'a')] = value;
    }
}
