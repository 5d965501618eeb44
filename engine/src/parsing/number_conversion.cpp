// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of number texts: a strict scanner for the accepted syntax, then a correctly rounded
// conversion of a normalized copy. The scanner decides what is a number; std::from_chars only rounds.
#include <charconv>
#include <string>

#include "engine/Parser_core.h"

char DecimalSeparator = '.';

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

struct cScannedNumber {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    int exponent = 0;
};

// digits [separator digits] [(E|e) [sign] digits], the separator '.' or ','; the exponent's digits are
// read while its value is below 500 (so at most four); the mantissa needs a digit or the separator.
bool Scan(std::string_view text, bool allowSign, cScannedNumber& number) {
    std::size_t pos = 0;
    if (allowSign && pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t integerStart = pos;
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    number.integerDigits = text.substr(integerStart, pos - integerStart);
    bool hasSeparator = false;
    if (pos < text.size() && IsDecimalSeparator(text[pos])) {
        hasSeparator = true;
        const std::size_t fractionStart = ++pos;
        while (pos < text.size() && IsDigit(text[pos]))
            ++pos;
        number.fractionDigits = text.substr(fractionStart, pos - fractionStart);
    }
    if (number.integerDigits.empty() && !hasSeparator) return false;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        int exponent = 0;
        while (pos < text.size() && IsDigit(text[pos]) && exponent < 500) {
            exponent = exponent * 10 + (text[pos] - '0');
            ++pos;
        }
        number.exponent = negativeExponent ? -exponent : exponent;
    }
    return pos == text.size();
}

// The decimal exponent of the leading significant digit, or nothing when every digit is zero.
bool LeadingDigitPower(const cScannedNumber& number, long& power) {
    const auto integerStart = number.integerDigits.find_first_not_of('0');
    if (integerStart != std::string_view::npos) {
        power = static_cast<long>(number.integerDigits.size() - integerStart) - 1 + number.exponent;
        return true;
    }
    const auto fractionStart = number.fractionDigits.find_first_not_of('0');
    if (fractionStart == std::string_view::npos) return false;
    power = -static_cast<long>(fractionStart) - 1 + number.exponent;
    return true;
}

}  // namespace

double ConvertDecimal(std::string_view text, bool allowSign) {
    cScannedNumber number;
    if (!Scan(text, allowSign, number)) throw cConversionError(text);

    std::string normalized;
    normalized.reserve(number.integerDigits.size() + number.fractionDigits.size() + 12);
    normalized += number.integerDigits.empty() ? std::string_view("0") : number.integerDigits;
    normalized += '.';
    normalized += number.fractionDigits;
    normalized += 'e';
    normalized += std::to_string(number.exponent);

    double value = 0.0;
    const auto [end, error] = std::from_chars(normalized.data(), normalized.data() + normalized.size(), value,
                                              std::chars_format::general);
    if (end != normalized.data() + normalized.size()) throw cConversionError(text);
    if (error == std::errc::result_out_of_range) {
        long power = 0;
        // Too large is an error; too small to hold is zero, as for any tiny intermediate result.
        if (LeadingDigitPower(number, power) && power >= 0) throw cConversionError(text);
        value = 0.0;
    } else if (error != std::errc()) {
        throw cConversionError(text);
    }
    return number.negative ? -value : value;
}
