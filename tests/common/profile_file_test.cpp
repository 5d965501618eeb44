// SPDX-License-Identifier: GPL-3.0-or-later
// The profile file: reading rule, case-insensitive names, writes that keep foreign lines.
#include "common/profile_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>
#include <iostream>

#include "support/test_folder.h"

namespace {

struct IntegerCase {
    const char* name;
    const char* text;
    std::int32_t expected;  // what ReadInteger answers with default -7
};

class ReadIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerTest, AnswersTheValueOrTheDefault) {
    const auto& c = GetParam();
    const cProfileFile file(std::string("[S]\nK=") + c.text + "\n");
    EXPECT_EQ(file.ReadInteger("S", "K", -7), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ProfileFile, ReadIntegerTest,
    testing::Values(IntegerCase{"plain", "100", 100}, IntegerCase{"negative", "-5", -5},
                    IntegerCase{"plus sign", "+12", 12}, IntegerCase{"blanks around", "  42  ", 42},
                    IntegerCase{"empty", "", -7}, IntegerCase{"trailing letters", "12abc", -7},
                    IntegerCase{"hexadecimal", "0x10", -7}, IntegerCase{"two numbers", "1 2", -7},
                    IntegerCase{"beyond 32 bits", "4294967296", -7},
                    IntegerCase{"largest", "2147483647", 2147483647}, IntegerCase{"signs twice", "+-3", -7},
                    IntegerCase{"decimal point", "1.5", -7}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (auto& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(ProfileFile, NamesMatchWithoutRegardToCase) {
    const cProfileFile file("[pArSeR]\nmaxCONST=5\n");
    EXPECT_EQ(file.ReadInteger("Parser", "MaxConst", 0), 5);
}

TEST(ProfileFile, MissingSectionOrKeyGivesTheDefault) {
    const cProfileFile file("[Parser]\nMaxConst=5\n");
    EXPECT_EQ(file.ReadInteger("Calculation", "MaxConst", 9), 9);
    EXPECT_EQ(file.ReadInteger("Parser", "MaxFunc", 8), 8);
}

TEST(ProfileFile, KeysBelongToTheirSectionOnly) {
    const cProfileFile file("[A]\nK=1\n[B]\nK=2\n");
    EXPECT_EQ(file.ReadInteger("A", "K", 0), 1);
    EXPECT_EQ(file.ReadInteger("B", "K", 0), 2);
}

TEST(ProfileFile, CommentsAreNotKeys) {
    const cProfileFile file("[A]\n;K=1\n#K=2\n");
    EXPECT_EQ(file.ReadInteger("A", "K", 0), 0);
}

TEST(ProfileFile, WritingIntoAnEmptyFileAddsSectionsInWriteOrder) {
    cProfileFile file;
    file.WriteInteger("Parser", "MaxConst", 100);
    file.WriteInteger("Parser", "MaxFunc", 30);
    file.WriteInteger("Calculation", "AngleMode", 1);
    EXPECT_EQ(file.Text(), "[Parser]\nMaxConst=100\nMaxFunc=30\n[Calculation]\nAngleMode=1\n");
}

TEST(ProfileFile, WritingKeepsForeignLinesAndReplacesOnlyTheValue) {
    cProfileFile file("; my settings\r\n[parser]\r\nmaxconst=5\r\nColour=red\r\n\r\n[Other]\r\nX=1\r\n");
    file.WriteInteger("Parser", "MaxConst", 7);
    file.WriteInteger("Parser", "MaxFunc", 3);
    EXPECT_EQ(file.Text(), "; my settings\n[parser]\nmaxconst=7\nColour=red\nMaxFunc=3\n\n[Other]\nX=1\n");
}

TEST(ProfileFile, SaveAndLoadRoundTrip) {
    const cTestFolder folder("orvane profile ");
    const auto path = folder.Path() / "profile round trip.ini";
    cProfileFile file;
    file.WriteString("S", "K", "v");
    ASSERT_TRUE(file.Save(path));
    EXPECT_EQ(cProfileFile::Load(path).ReadString("s", "k"), "v");
}

TEST(ProfileFile, LoadingAMissingFileGivesAnEmptyProfile) {
    const auto file = cProfileFile::Load("/nonexistent folder/Orvane.ini");
    EXPECT_EQ(file.Text(), "");
}

// Each of these once hung the start (a FIFO waits for a writer) or read until memory ran out.
TEST(ProfileFile, OnlyARegularFileOfSaneSizeIsRead) {
    namespace fs = std::filesystem;
    const cTestFolder testFolder("orvane profile odd files ");
    const fs::path& folder = testFolder.Path();
    const std::string valid = "[S]\nK=5\n";
    std::ofstream(folder / "large.ini") << valid << std::string(cProfileFile::MaxProfileSize, ';') << '\n';
    for (const char* name : {"large.ini", "."})
        EXPECT_EQ(cProfileFile::Load(folder / name).Text(), "") << name;
#ifdef _WIN32
    std::cout << "FIFOs and links to devices are not tried: Windows has none\n";
#else
    std::ofstream(folder / "target.ini") << valid;
    fs::create_symlink(folder / "target.ini", folder / "link to a file.ini");
    fs::create_symlink("/dev/zero", folder / "link to a device.ini");
    ASSERT_EQ(mkfifo((folder / "fifo.ini").c_str(), 0600), 0);
    EXPECT_EQ(cProfileFile::Load(folder / "link to a file.ini").ReadInteger("S", "K", 0), 5);
    for (const char* name : {"link to a device.ini", "fifo.ini"})
        EXPECT_EQ(cProfileFile::Load(folder / name).Text(), "") << name;
#endif
}

TEST(ProfileFile, SaveIntoAMissingFolderFailsCleanly) {
    EXPECT_FALSE(cProfileFile("[S]\n").Save("/nonexistent folder/Orvane.ini"));
}

}  // namespace
