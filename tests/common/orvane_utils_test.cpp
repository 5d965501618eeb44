// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/orvane_utils.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

struct TextCase {
    const char* what;
    std::string input;
    std::string expected;
};

class DeclNameTest : public ::testing::TestWithParam<TextCase> {};
class ListFormTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(DeclNameTest, AnswersTheNamePart) {
    EXPECT_EQ(DeclName(GetParam().input), GetParam().expected);
}

TEST_P(ListFormTest, AnswersTheListLine) {
    EXPECT_EQ(ListForm(GetParam().input), GetParam().expected);
}

const TextCase DeclNameCases[] = {
    {"constant", "g=9.81", "g"},
    {"blanks are dropped", "pi2 = 6.283", "pi2"},
    {"function keeps its compacted head", "f(x; y) = x+y", "f(x;y)"},
    {"two lines", "f(x)=\r\nx^2", "f(x)"},
    {"no equals sign gives the compacted text", " a b\tc ", "abc"},
    {"leading equals sign gives an empty name", "=5", ""},
    {"only the first equals sign splits", "a=b=c", "a"},
    {"codes 127 and above vanish",
     "k\x7f\x80\xff"
     "1=2",
     "k1"},
    {"empty", "", ""},
};

const TextCase ListFormCases[] = {
    {"sixteen characters are cut", "abcdefghijklmnop", "abcdefghij[...]"},
    {"fifteen characters stay whole", "abcdefghijklmno", "abcdefghijklmno"},
    {"short", "g", "g"},
    {"empty", "", ""},
};

std::string CaseName(const ::testing::TestParamInfo<TextCase>& info) {
    std::string name;
    for (const char* c = info.param.what; *c != '\0'; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, DeclNameTest, ::testing::ValuesIn(DeclNameCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Cases, ListFormTest, ::testing::ValuesIn(ListFormCases), CaseName);

}  // namespace
