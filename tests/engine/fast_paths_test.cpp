// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's shortcuts against the careful ways they stand in for: the inline power with a small
// integer exponent gives CheckedPow's bits and reports, the fast reduction of sine, cosine and tangent
// the exact reduction's bits, and the name indexes find what a scan of the table in order finds, also
// after the table changed.
#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "evaluation/checked_math.h"
#include "evaluation/elementary_functions.h"
#include "parsing/name_index.h"

namespace {

class FastPathsTest : public cEngineTest {};

struct cPowerCase {
    const char* name;
    double base;
    double exponent;
};

TEST_F(FastPathsTest, InlinePowerGivesTheBitsAndReportsOfTheCarefulOne) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    const cPowerCase cases[] = {
        {"square", 3.5, 2},
        {"square of a negative base", -3.5, 2},
        {"odd power of a negative base", -1.1, 3},
        {"negative exponent", 7, -3},
        {"negative exponent, negative base", -7, -5},
        {"largest small exponent", 1.0001, 4095},
        {"smallest small exponent", 1.0001, -4095},
        {"beyond the small exponents", 1.0001, 4096},
        {"overflow by squaring", 1e300, 2},
        {"overflow of a negative base", -1e300, 3},
        {"underflow to a denormal", 1e-160, 2},
        {"underflow to zero", 1e-300, 3},
        {"reciprocal overflow", 1e-300, -2},
        {"zero base", 0, 2},
        {"negative zero base", -0.0, 3},
        {"zero base, negative exponent", 0, -2},
        {"denormal base", 4.9e-324, 1},
        {"infinite base", infinity, 2},
        {"negative infinite base", -infinity, 2},
        {"infinite base, odd exponent", -infinity, 3},
        {"square of a denormal", -4.9e-324, 2},
        {"NaN base", std::numeric_limits<double>::quiet_NaN(), 2},
        {"exponent zero", 5, 0},
        {"exponent negative zero", 5, -0.0},
        {"fractional exponent", 2, 0.5},
        {"fractional exponent of a negative base", -2, 0.5},
        {"exponent just below an integer", 2, 2.9999999999999996},
        {"exponent 1", 0.1, 1},
        {"exponent -1", 3, -1},
    };
    for (const cPowerCase& row : cases) {
        Reports().clear();
        const double careful = CheckedPow(row.base, row.exponent);
        const std::vector<std::string> carefulReports = Reports();
        Reports().clear();
        const double inlined = CheckedPowInline(row.base, row.exponent);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(inlined), std::bit_cast<std::uint64_t>(careful)) << row.name;
        EXPECT_EQ(Reports(), carefulReports) << row.name;
    }
}

struct cNamed {
    std::optional<std::string> name;
};

struct cLookupCase {
    const char* name;
    std::int32_t count;  // entries of the table looked at
    const char* lookedFor;
    std::int32_t expected;
};

TEST(NameIndexTest, FindsTheFirstMatchingEntryAsAScanDoes) {
    const cNamed table[] = {{"alpha"}, {std::nullopt}, {"beta"}, {"alpha"}, {"gamma"}};
    const cLookupCase cases[] = {
        {"first of two equal names", 5, "alpha", 0},
        {"an entry after a nameless one", 5, "beta", 2},
        {"the last entry", 5, "gamma", 4},
        {"beyond the count", 4, "gamma", -1},
        {"a name nobody has", 5, "delta", -1},
        {"a prefix of a name", 5, "alph", -1},
        {"the empty name", 5, "", -1},
        {"the table grown again", 5, "gamma", 4},
        {"an empty table", 0, "alpha", -1},
    };
    cNameIndex index;
    for (const cLookupCase& row : cases)
        EXPECT_EQ(index.Find(table, row.count, row.lookedFor), row.expected) << row.name;
}

TEST(NameIndexTest, FollowsEntriesAppendedRenamedOrReplaced) {
    std::vector<cNamed> table(4);
    cNameIndex index;
    table[0].name = "one";
    EXPECT_EQ(index.Find(table.data(), 1, "one"), 0);
    table[1].name = "two";  // appended: taken in without NamesChanged
    EXPECT_EQ(index.Find(table.data(), 2, "two"), 1);
    table[0].name = "uno";  // renamed in place, as a deletion that moves entries down does
    NamesChanged();
    EXPECT_EQ(index.Find(table.data(), 2, "one"), -1);
    EXPECT_EQ(index.Find(table.data(), 2, "uno"), 0);
    table[1].name = "uno";  // a later duplicate changes nothing
    NamesChanged();
    EXPECT_EQ(index.Find(table.data(), 2, "uno"), 0);
    table[0].name = "zero";  // renamed without NamesChanged: the found entry is checked
    EXPECT_EQ(index.Find(table.data(), 2, "uno"), 1);
}

TEST_F(FastPathsTest, ParserFindsDeclarationsAfterDeletionsAndCommits) {
    BeginConstWork();
    ASSERT_TRUE(AddConstant("ka=1", ""));
    ASSERT_TRUE(AddConstant("kb=2", ""));
    ASSERT_TRUE(AddConstant("kc=3", ""));
    ASSERT_EQ(CommitConstWork(), CommitSucceeded);
    EXPECT_EQ(Eval("kc"), 3);
    BeginConstWork();
    ASSERT_TRUE(DeleteConstant(0));
    ASSERT_TRUE(ModifyConstant(0, "kc=20", ""));
    ASSERT_EQ(CommitConstWork(), CommitSucceeded);
    EXPECT_EQ(Eval("kc"), 20);  // the first of two constants named kc, now at position 0
    EXPECT_THROW(Eval("ka"), cSyntaxError);

    BeginFuncWork();
    ASSERT_TRUE(AddFunction("f(x)=x+kc", ""));
    ASSERT_TRUE(AddFunction("g(x)=f(x)*2", ""));
    ASSERT_EQ(CommitFuncWork(), CommitSucceeded);
    EXPECT_EQ(Eval("g(1)"), 42);
    BeginFuncWork();
    ASSERT_TRUE(ModifyFunction(0, "h(x)=x", ""));
    EXPECT_NE(CommitFuncWork(), CommitSucceeded);  // g calls f, which is no longer there
    DiscardFuncWork();
    EXPECT_EQ(Eval("g(1)"), 42);
}

}  // namespace

struct cArgumentRange {
    const char* name;
    double low, high;
    double nearRightAngle;  // when non-zero, arguments this far at most from a multiple of pi/2
};

// The fast paths (in doubles, then with the short extended reduction) against the exact reduction, bit
// for bit, over random arguments in each range.
TEST(FastTrigonometryTest, SineCosineAndTangentKeepTheExactReductionsBits) {
    const cArgumentRange ranges[] = {
        {"within a right angle", 0, 1.6, 0},
        {"ordinary", 0, 100, 0},
        {"degrees up to a thousand, as radians", 0, 17.5, 0},
        {"large, fast reduction", 1e5, 1048575, 0},
        {"huge, exact reduction", 1048576, 1e15, 0},
        {"near multiples of a right angle", 1, 1e6, 0x1p-24},
        {"at the fast reduction's limit", 1, 1e6, 0x1p-29},
        {"nearer than that", 1, 1e6, 0x1p-31},
    };
    std::mt19937_64 random(20261210);
    for (const cArgumentRange& range : ranges) {
        std::uniform_real_distribution<double> uniform(range.low, range.high);
        std::uniform_real_distribution<double> offset(-range.nearRightAngle, range.nearRightAngle);
        int mismatches = 0;
        for (int i = 0; i < 4000; ++i) {
            double x = uniform(random);
            if (range.nearRightAngle != 0)
                x = std::nearbyint(x / 1.5707963267948966) * 1.5707963267948966 + offset(random);
            if (i % 2 == 1) x = -x;
            const bool same = std::bit_cast<std::uint64_t>(elementary::Sin(x)) ==
                                  std::bit_cast<std::uint64_t>(elementary::careful::Sin(x)) &&
                              std::bit_cast<std::uint64_t>(elementary::Cos(x)) ==
                                  std::bit_cast<std::uint64_t>(elementary::careful::Cos(x)) &&
                              std::bit_cast<std::uint64_t>(elementary::Tan(x)) ==
                                  std::bit_cast<std::uint64_t>(elementary::careful::Tan(x));
            if (!same && ++mismatches <= 3) ADD_FAILURE() << range.name << ": " << x;
        }
        EXPECT_EQ(mismatches, 0) << range.name;
    }
}

// Where the reduced argument lies half-way between two of the tables' points j/64, the point is chosen
// before the reduction's last step and may be the farther one.
TEST(FastTrigonometryTest, ArgumentsBetweenTablePointsKeepTheExactReductionsBits) {
    std::mt19937_64 random(20261211);
    std::uniform_int_distribution<int> quadrant(0, 400000), point(-50, 50);
    std::uniform_real_distribution<double> offset(-0x1p-46, 0x1p-46);
    int mismatches = 0;
    for (int i = 0; i < 20000; ++i) {
        const double x =
            quadrant(random) * 1.5707963267948966 + (2 * point(random) + 1) / 128.0 + offset(random);
        for (double (*const f)(double) : {elementary::Sin, elementary::Cos, elementary::Tan}) {
            const auto careful = f == elementary::Sin   ? elementary::careful::Sin
                                 : f == elementary::Cos ? elementary::careful::Cos
                                                        : elementary::careful::Tan;
            if (std::bit_cast<std::uint64_t>(f(x)) != std::bit_cast<std::uint64_t>(careful(x)) &&
                ++mismatches <= 3)
                ADD_FAILURE() << x;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

struct cLogRange {  // also the exponential's ranges
    const char* name;
    double low, high;
};

TEST(FastLogarithmTest, LogarithmInDoublesKeepsTheCarefulBits) {
    const cLogRange ranges[] = {
        {"around 1, where the careful path decides", 0.98, 1.02},
        {"just outside that band", 1.0078125, 1.1},
        {"below 1", 0.5, 0.99},
        {"ordinary", 1, 1e6},
        {"tiny", 1e-310, 1e-300},  // denormals take the careful path
        {"huge", 1e300, 1.7e308},
    };
    std::mt19937_64 random(20261211);
    for (const cLogRange& range : ranges) {
        std::uniform_real_distribution<double> uniform(range.low, range.high);
        int mismatches = 0;
        for (int i = 0; i < 20000; ++i) {
            const double x = uniform(random);
            if (std::bit_cast<std::uint64_t>(elementary::Log(x)) !=
                    std::bit_cast<std::uint64_t>(elementary::careful::Log(x)) &&
                ++mismatches <= 3)
                ADD_FAILURE() << range.name << ": " << x;
        }
        EXPECT_EQ(mismatches, 0) << range.name;
    }
}

TEST(FastExponentialTest, ExponentialInDoublesKeepsTheCarefulBits) {
    const cLogRange ranges[] = {
        {"small", -1, 1},
        {"tiny", -1e-10, 1e-10},
        {"ordinary", -50, 50},
        {"the whole range", -710, 710},
        {"near underflow, partly careful", -746, -700},
        {"near overflow, partly careful", 700, 710},
    };
    std::mt19937_64 random(20261212);
    for (const cLogRange& range : ranges) {
        std::uniform_real_distribution<double> uniform(range.low, range.high);
        int mismatches = 0;
        for (int i = 0; i < 20000; ++i) {
            const double x = uniform(random);
            if (std::bit_cast<std::uint64_t>(elementary::Exp(x)) !=
                    std::bit_cast<std::uint64_t>(elementary::careful::Exp(x)) &&
                ++mismatches <= 3)
                ADD_FAILURE() << range.name << ": " << x;
        }
        EXPECT_EQ(mismatches, 0) << range.name;
    }
}
