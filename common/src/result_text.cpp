#include "result_text.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int SignificantDigits = 15;

struct cDecimal {
    std::string digits;  // d1 d2 ... dn, d1 not zero, no trailing zeros
    int exponent = 0;    // the value is 0.d1d2...dn times ten to this power
};

// Rounds |value| to 15 significant digits with a sixteenth digit of 5 or more rounding up. The digits
// come from the exact decimal expansion (enough places for any double), so a tie is a real tie.
cDecimal RoundToSignificant(double magnitude) {
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

std::string Scientific(const cDecimal& decimal, char separator) {
    std::string text(1, decimal.digits[0]);
    if (decimal.digits.size() > 1) text += separator + decimal.digits.substr(1);
    return text + "E" + std::to_string(decimal.exponent - 1);
}

std::string Fixed(const cDecimal& decimal, char separator) {
    const int n = static_cast<int>(decimal.digits.size());
    const int e = decimal.exponent;
    if (e <= 0) return std::string("0") + separator + std::string(-e, '0') + decimal.digits;
    if (n <= e) return decimal.digits + std::string(e - n, '0');
    return decimal.digits.substr(0, e) + separator + decimal.digits.substr(e);
}

}  // namespace

std::string ResultText(double value, char decimalSeparator) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) return sign + "NAN";
    if (std::isinf(value)) return sign + "INF";
    if (value == 0.0) return "0";
    const cDecimal decimal = RoundToSignificant(std::fabs(value));
    const bool scientific = decimal.exponent > 15 || decimal.exponent < -3;
    return sign + (scientific ? Scientific(decimal, decimalSeparator) : Fixed(decimal, decimalSeparator));
}
