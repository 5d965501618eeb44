// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file Orvane.ini: what the engine holds and what the preferences dialog writes.
#include "common/engine_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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
