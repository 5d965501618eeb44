#include "result_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

}  // namespace
