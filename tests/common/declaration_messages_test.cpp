// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/declaration_messages.h"

#include <gtest/gtest.h>

namespace {

TEST(DeclarationMessagesTest, EachLoaderResultHasItsText) {
    const struct {
        std::int32_t result;
        std::string text;
    } cases[] = {
        {-1, ""},
        {-2,
         "Error: While trying to perform file operations, Orvane encountered an error. You may want to "
         "restart "
         "windows."},
        {-3,
         "Error: The loading process of this library has been canceled. The memory area which is reserved "
         "for "
         "this purpose is full. You can avoid this by setting a larger value in the preferences."},
        {-4, "Error: This is not a valid Orvane library file."},
        {-5,
         "Error: This library cannot be read, because it was created by a version of Orvane which uses "
         "another "
         "file format for libraries. You may want to upgrate to an appropriate version."},
        {12,
         "Error: While trying to load this library, Orvane has found an invalid declaration. The library "
         "cannot "
         "be loaded. You may want to contact the person who supplied this library.\n(declaration 12)"},
        {-6, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadFailureText(c.result), c.text) << c.result;
}

TEST(DeclarationMessagesTest, ConstantNamesNoFormulaCanReachAreWarnedAbout) {
    for (const char* usable : {"gn = 9.81", "Ab=3", "sum=7", "e_x=1"})
        EXPECT_EQ(UnusableConstantNameWarning(usable), std::nullopt) << usable;
    for (const char* unusable : {"g = 9.81", "c0=3", "aB=1", "=5", "9x=1", ".5=1"})
        EXPECT_NE(UnusableConstantNameWarning(unusable), std::nullopt) << unusable;
    EXPECT_EQ(*UnusableConstantNameWarning("g=9.81"),
              "Warning: The constant \"g\" can never be used in a formula: a name of one character is always "
              "read as a variable. The declaration is kept.");
}

}  // namespace
