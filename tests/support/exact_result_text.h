// SPDX-License-Identifier: GPL-3.0-or-later
// The result text formed from the full exact decimal expansion of the double, the slow and obviously
// right way: the reference that the fast result text is compared with, and its speed the benchmark's
// starting point.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

namespace exact_result_text {

struct cDecimal {
    std::string digits;  // d1 d2 ... dn, d1 not zero, no trailing zeros
    int exponent = 0;    // the value is 0.d1d2...dn times ten to this power
};

// Every double's exact expansion has fewer than 1100 significant digits, so these digits are exact.
inline cDecimal RoundToSignificant(double magnitude) {
    constexpr int SignificantDigits = 15;
    char buffer[1200];
    std::snprintf(buffer, sizeof buffer, "%.1100e", magnitude);
    const std::string text(buffer);
    const auto exponentAt = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, exponentAt - 2);
    int exponent = std::stoi(text.substr(exponentAt + 1)) + 1;

    const bool roundUp = digits[SignificantDigits] >= '5';
    digits.resize(SignificantDigits);
    if (roundUp) {
        int i = SignificantDigits - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits, exponent};
}

inline std::string Scientific(const cDecimal& decimal, char separator) {
    std::string text(1, decimal.digits[0]);
    if (decimal.digits.size() > 1) text += separator + decimal.digits.substr(1);
    return text + "E" + std::to_string(decimal.exponent - 1);
}

inline std::string Fixed(const cDecimal& decimal, char separator) {
    const int n = static_cast<int>(decimal.digits.size());
    const int e = decimal.exponent;
    if (e <= 0) return std::string("0") + separator + std::string(-e, '0') + decimal.digits;
    if (n <= e) return decimal.digits + std::string(e - n, '0');
    return decimal.digits.substr(0, e) + separator + decimal.digits.substr(e);
}

inline std::string ExactResultText(double value, char decimalSeparator) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) return sign + "NAN";
    if (std::isinf(value)) return sign + "INF";
    if (value == 0.0) return "0";
    const cDecimal decimal = RoundToSignificant(std::fabs(value));
    const bool scientific = decimal.exponent > 15 || decimal.exponent < -3;
    return sign + (scientific ? Scientific(decimal, decimalSeparator) : Fixed(decimal, decimalSeparator));
}

}  // namespace exact_result_text
