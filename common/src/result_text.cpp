// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/result_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace {

constexpr int SignificantDigits = 15;

// Digits 16 to 21 of the value rounded to 21 significant digits. That rounding moves the value by at
// most half a unit of digit 21, so unless these digits are exactly 500000 they tell on which side of
// the 15-digit half-way point the exact value lies.
constexpr int CheckedDigits = 21;
constexpr int ExpansionDigits = 800;  // more than any double's exact decimal expansion has

struct cDecimal {
    char digits[SignificantDigits];  // d1 d2 ... dn, d1 not zero, no trailing zeros
    int count = 0;                   // n
    int exponent = 0;                // the value is 0.d1d2...dn times ten to this power
};

// Writes |value| in scientific form with the given digits after the point; answers the exponent and
// leaves the digits, without the point, in `digits`.
int ScientificDigits(double magnitude, int fractionDigits, char* buffer, std::size_t size, char* digits) {
    const auto end =
        std::to_chars(buffer, buffer + size, magnitude, std::chars_format::scientific, fractionDigits).ptr;
    digits[0] = buffer[0];
    std::memcpy(digits + 1, buffer + 2, static_cast<std::size_t>(fractionDigits));
    int exponent = 0;
    const char* exponentText = buffer + 2 + fractionDigits + 1;  // past the 'e'
    const bool negative = *exponentText == '-';
    std::from_chars(exponentText + 1, end, exponent);
    return negative ? -exponent : exponent;
}

// Rounds |value| to 15 significant digits, a sixteenth digit of 5 or more rounding up. The sixteenth
// digit and those after it are those of the exact decimal value of the double, so a tie is a real tie;
// the full expansion is formed only when the short rounding cannot tell.
cDecimal RoundToSignificant(double magnitude) {
    char buffer[ExpansionDigits + 16];
    char digits[ExpansionDigits + 1];
    int exponent = ScientificDigits(magnitude, CheckedDigits - 1, buffer, sizeof buffer, digits) + 1;
    if (std::memcmp(digits + SignificantDigits, "500000", CheckedDigits - SignificantDigits) == 0)
        exponent = ScientificDigits(magnitude, ExpansionDigits, buffer, sizeof buffer, digits) + 1;

    cDecimal decimal;
    std::memcpy(decimal.digits, digits, SignificantDigits);
    if (digits[SignificantDigits] >= '5') {
        int i = SignificantDigits - 1;
        while (i >= 0 && decimal.digits[i] == '9')
            decimal.digits[i--] = '0';
        if (i >= 0) {
            ++decimal.digits[i];
        } else {
            decimal.digits[0] = '1';  // all nines became 1 followed by zeros
            ++exponent;
        }
    }
    decimal.count = SignificantDigits;
    while (decimal.digits[decimal.count - 1] == '0')
        --decimal.count;
    decimal.exponent = exponent;
    return decimal;
}

void AppendScientific(std::string& text, const cDecimal& decimal, char separator) {
    text += decimal.digits[0];
    if (decimal.count > 1) {
        text += separator;
        text.append(decimal.digits + 1, static_cast<std::size_t>(decimal.count - 1));
    }
    text += 'E';
    char exponent[8];
    text.append(exponent, std::to_chars(exponent, exponent + sizeof exponent, decimal.exponent - 1).ptr);
}

void AppendFixed(std::string& text, const cDecimal& decimal, char separator) {
    const int n = decimal.count;
    const int e = decimal.exponent;
    if (e <= 0) {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-e), '0');
        text.append(decimal.digits, static_cast<std::size_t>(n));
    } else if (n <= e) {
        text.append(decimal.digits, static_cast<std::size_t>(n));
        text.append(static_cast<std::size_t>(e - n), '0');
    } else {
        text.append(decimal.digits, static_cast<std::size_t>(e));
        text += separator;
        text.append(decimal.digits + e, static_cast<std::size_t>(n - e));
    }
}

}  // namespace

std::string ResultText(double value, char decimalSeparator) {
    std::string text(std::signbit(value) && value != 0.0 ? "-" : "");  // -0 shows as 0
    if (std::isnan(value)) return text + "NAN";
    if (std::isinf(value)) return text + "INF";
    if (value == 0.0) return "0";
    const cDecimal decimal = RoundToSignificant(std::fabs(value));
    if (decimal.exponent > 15 || decimal.exponent < -3)
        AppendScientific(text, decimal, decimalSeparator);
    else
        AppendFixed(text, decimal, decimalSeparator);
    return text;
}

std::string GroupedDigits(std::string_view text) {
    const std::size_t first = !text.empty() && text.front() == '-' ? 1 : 0;
    std::size_t end = first;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    std::string grouped(text.substr(0, first));
    for (std::size_t i = first; i < end; ++i) {
        if (i > first && (end - i) % 3 == 0) grouped += ' ';
        grouped += text[i];
    }
    grouped.append(text.substr(end));
    return grouped;
}
