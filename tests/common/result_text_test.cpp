// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/result_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include "support/exact_result_text.h"

namespace {

TEST(ResultText, ShowsFifteenSignificantDigits) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {2, "2"},
        {1.0 / 3, "0.333333333333333"},
        {3.141592653589793, "3.14159265358979"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {123456789012345, "123456789012345"},
        {1e15, "1E15"},
        {1152921504606846976.0, "1.15292150460685E18"},
        {0, "0"},
        {-0.0, "0"},
        {-2.5, "-2.5"},
        {100, "100"},
        {1e14, "100000000000000"},
        {0.00123, "0.00123"},
        {9.9999999999999995, "10"},
        {999999999999999.9, "1E15"},
        {1000000000000005.0, "1.00000000000001E15"},
        // 16th digit 4, then 99999972...: the 21-digit rounding alone would round up
        {0x1.dbf7696ec9c73p+453, "4.3243856145219E136"},
        {0x1.41cb3c2e5e57ep-48, "4.46578728220853E-15"},  // 16th digit 5, then 0000039...
        {1e-300, "1E-300"},
        {1.7976931348623157e308, "1.79769313486232E308"},
        {4.9406564584124654e-324, "4.94065645841247E-324"},
        {inf, "INF"},
        {-inf, "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {-std::numeric_limits<double>::quiet_NaN(), "-NAN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResultText(c.value, '.'), c.expected) << c.value;
}

TEST(ResultText, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(ResultText(0.5, ','), "0,5");
    EXPECT_EQ(ResultText(1.5e20, ','), "1,5E20");
}

TEST(ResultText, GroupsTheDigitsBeforeTheSeparatorInThrees) {
    const std::pair<const char*, const char*> cases[] = {
        {"1234567.5", "1 234 567.5"}, {"-123456", "-123 456"}, {"999", "999"},   {"1000,25", "1 000,25"},
        {"1.5E20", "1.5E20"},         {"<ERROR>", "<ERROR>"},  {"-INF", "-INF"}, {"", ""},
    };
    for (const auto& [text, grouped] : cases)
        EXPECT_EQ(GroupedDigits(text), grouped) << text;
}

}  // namespace

// The fast result text against the one formed from the full exact expansion, on random bit patterns
// and on the values where a short rounding could be misled. ORVANE_RESULT_TEXT_SAMPLES sets the
// number of random values of each kind (default 20000); ORVANE_RESULT_TEXT_SEED the seed.
class ResultTextIdentity : public ::testing::Test {
protected:
    static std::uint64_t Setting(const char* name, std::uint64_t fallback) {
        const char* text = std::getenv(name);
        return text ? std::strtoull(text, nullptr, 10) : fallback;
    }

    void Check(double value) {
        ++checked;
        const std::string fast = ResultText(value, '.');
        const std::string exact = exact_result_text::ExactResultText(value, '.');
        if (fast != exact && ++mismatches <= 20)
            ADD_FAILURE() << std::hexfloat << value << ": " << fast << " instead of " << exact;
    }
    void CheckWithNeighbours(double value, int steps) {
        for (int i = 0; i < steps; ++i) {
            value = std::nextafter(value, 0.0);
        }
        for (int i = 0; i <= 2 * steps; ++i) {
            Check(value);
            value = std::nextafter(value, std::numeric_limits<double>::infinity());
        }
    }

    std::mt19937_64 random{Setting("ORVANE_RESULT_TEXT_SEED", 1)};
    const std::uint64_t samples = Setting("ORVANE_RESULT_TEXT_SAMPLES", 20000);
    std::uint64_t checked = 0, mismatches = 0;
};

TEST_F(ResultTextIdentity, MatchesTheExactExpansionEverywhere) {
    for (int power = -324; power <= 308; ++power)
        CheckWithNeighbours(std::strtod(("1e" + std::to_string(power)).c_str(), nullptr), 3);
    for (std::uint64_t i = 0; i < samples; ++i) {
        const double bits = std::bit_cast<double>(random());
        if (std::isfinite(bits)) Check(bits);
        Check(std::bit_cast<double>(random() & 0x800FFFFFFFFFFFFFu));  // a denormal
        // Fifteen digits and a sixteenth digit 5: the double nearest that tie and its neighbours.
        const std::uint64_t tie = (random() % 900000000000000u + 100000000000000u) * 10 + 5;
        const int exponent = static_cast<int>(random() % 650) - 340;
        CheckWithNeighbours(
            std::strtod((std::to_string(tie) + "e" + std::to_string(exponent)).c_str(), nullptr), 2);
        CheckWithNeighbours(static_cast<double>(tie), 1);
        Check(static_cast<double>(random() % 99000000000000000u + 1000000000000000u));
    }
    EXPECT_EQ(mismatches, 0u) << "of " << checked;
    RecordProperty("checked", std::to_string(checked));
}
