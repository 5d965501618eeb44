// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file Orvane.ini: what the engine holds and what the preferences dialog writes.
#include "common/engine_settings.h"

#include <bit>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/desktop_options.h"
#include "common/session_variables.h"
#include "support/test_folder.h"

namespace {

class EngineSettingsTest : public testing::Test {
protected:
    void WriteFile(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    std::string FileText() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    const cTestFolder folder_{"orvane settings "};
    const std::filesystem::path path_ = folder_.Path() / "Orvane.ini";
};

TEST_F(EngineSettingsTest, NoFileGivesTheDefaults) {
    const auto settings = ReadEngineSettings(path_);
    EXPECT_EQ(settings.maxConst, 100);
    EXPECT_EQ(settings.maxFunc, 30);
    EXPECT_EQ(settings.refAlloc, 10);
    EXPECT_EQ(settings.angleMode, 1);
}

TEST_F(EngineSettingsTest, RefAllocAndAngleModeKeepTheirLow16Bits) {
    WriteFile("[Parser]\nRefAlloc=70000\n[Calculation]\nAngleMode=65538\n");
    const auto settings = ReadEngineSettings(path_);
    EXPECT_EQ(settings.refAlloc, 4464);
    EXPECT_EQ(settings.angleMode, 2);
    EXPECT_EQ(ReadSettingsFile(path_).refAlloc, 70000);
}

TEST_F(EngineSettingsTest, ValuesTheEngineCannotUseFallBackToTheDefaults) {
    WriteFile("[Parser]\nMaxConst=-1\nMaxFunc=100000000\nRefAlloc=-1\n[Calculation]\nAngleMode=3\n");
    const auto settings = ReadEngineSettings(path_);
    EXPECT_EQ(settings.maxConst, 100);
    EXPECT_EQ(settings.maxFunc, 30);
    EXPECT_EQ(settings.refAlloc, 65535);
    EXPECT_EQ(settings.angleMode, 1);
}

TEST_F(EngineSettingsTest, FirstWriteWithDefaultsGivesTheSixLines) {
    ASSERT_TRUE(WriteSettingsFile(path_, cSettingsFileValues{}));
    EXPECT_EQ(FileText(), "[Parser]\nMaxConst=100\nMaxFunc=30\nRefAlloc=10\n[Calculation]\nAngleMode=1\n");
}

TEST_F(EngineSettingsTest, WriteKeepsHandEditedLines) {
    WriteFile("[Calculation]\nAngleMode=0\n; note\n[Parser]\nmaxconst=5\nExtra=1\n");
    ASSERT_TRUE(WriteSettingsFile(path_, cSettingsFileValues{200, 40, 20, 2}));
    EXPECT_EQ(
        FileText(),
        "[Calculation]\nAngleMode=2\n; note\n[Parser]\nmaxconst=200\nExtra=1\nMaxFunc=40\nRefAlloc=20\n");
}

}  // namespace

// The desktop program's options and its kept variables live beside the four keys without touching
// them.
namespace {

TEST_F(EngineSettingsTest, DesktopOptionsHaveTheirOwnSectionAndTheFourKeysStay) {
    WriteFile("[Calculation]\nAngleMode=0\n; mine\n");
    EXPECT_FALSE(ReadDesktopOptions(path_).digitGrouping);
    ASSERT_TRUE(WriteSettingsKey(path_, DesktopSection, DigitGroupingKey, 1));
    ASSERT_TRUE(WriteSettingsKey(path_, CalculationSection, AngleModeKey, 2));
    EXPECT_EQ(FileText(), "[Calculation]\nAngleMode=2\n; mine\n[Desktop]\nDigitGrouping=1\n");
    const auto options = ReadDesktopOptions(path_);
    EXPECT_TRUE(options.digitGrouping);
    EXPECT_FALSE(options.restoreSession);
}

TEST(SessionVariables, ReadBackToTheSameBitsAndPassOverWhatIsNotAVariable) {
    tVariableValues values{};
    values[0] = 0.1;
    values[1] = -1e-320;
    values[2] = std::numeric_limits<double>::infinity();
    values[25] = 6.02214076e23;
    tVariableValues read{};
    read.fill(7.0);
    ReadVariablesText(VariablesText(values) + "A=1\nb=2x\nz\n", read);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read[i]), std::bit_cast<std::uint64_t>(values[i])) << i;
}

}  // namespace
