// orvane-cli's library options, run on the real program in a temporary folder (the declaration
// options are in the golden files).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "cli_runner.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class DeclarationOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("orvane-cli-test-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path folder_;
};

TEST_F(DeclarationOptionsTest, SavedLibrariesHoldTheDeclarationsByteForByte) {
    // Saving without a formula reads no standard input.
    const cCliRun run = RunCli({"-c", "gg=9.81", "-f", "h(t)=gg*t", "--save-constants", Path("c.ovc"),
                                "--save-functions", Path("f.ovf")},
                               "1+1\n");
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFile(Path("c.ovc")), "OVC\x01\x01\x01\x00\x00\x00\x07\x00gg=9.81\x00\x00"s);
    EXPECT_EQ(ReadFile(Path("f.ovf")), "OVF\x01\x01\x01\x00\x00\x00\x09\x00h(t)=gg*t\x00\x00"s);
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"c.ovc", "f.ovf"}));
}

TEST_F(DeclarationOptionsTest, LoadedLibrariesWorkAndSaveBackIdentically) {
    ASSERT_EQ(RunCli({"-c", "gg=9.81", "-c", "kk=2", "-f", "h(t)=gg*t^2/2", "-f", "d(x)=h(x)*kk",
                      "--save-constants", Path("c.ovc"), "--save-functions", Path("f.ovf")})
                  .exitStatus,
              0);
    const cCliRun run = RunCli({"--load", Path("c.ovc"), "--load", Path("f.ovf"), "--save-constants",
                                Path("c2.ovc"), "--save-functions", Path("f2.ovf"), "d(2)"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, "39.24\n");
    EXPECT_EQ(ReadFile(Path("c2.ovc")), ReadFile(Path("c.ovc")));
    EXPECT_EQ(ReadFile(Path("f2.ovf")), ReadFile(Path("f.ovf")));
}

struct cLoadFailureCase {
    const char* what;
    std::string bytes;
    std::string err;
};

const cLoadFailureCase LoadFailures[] = {
    {"neither kind", "PK\x03\x04 not a library", "Error: This is not a valid Orvane library file.\n"},
    {"too short for a magic", "OV",
     "Error: While trying to perform file operations, Orvane encountered an error. You may want to restart "
     "windows.\n"},
    {"other version", "OVC\x02\x01\x00\x00\x00\x00"s,
     "Error: This library cannot be read, because it was created by a version of Orvane which uses another "
     "file format for libraries. You may want to upgrate to an appropriate version.\n"},
    {"invalid declaration",
     "OVF\x01\x01\x01\x00\x00\x00\x05\x00"
     "f(x=x\x00\x00"s,
     "Error: While trying to load this library, Orvane has found an invalid declaration. The library cannot "
     "be "
     "loaded. You may want to contact the person who supplied this library.\n(declaration 0)\n"},
};

TEST_F(DeclarationOptionsTest, ALoadFailureShowsItsTextAndExitsWithTwo) {
    for (const cLoadFailureCase& c : LoadFailures) {
        WriteFile(Path("lib"), c.bytes);
        const cCliRun run = RunCli({"--load", Path("lib"), "1"});
        EXPECT_EQ(run.exitStatus, 2) << c.what;
        EXPECT_EQ(run.out, "") << c.what;
        EXPECT_EQ(run.err, c.err) << c.what;
    }
}

TEST_F(DeclarationOptionsTest, AMissingLibraryIsReported) {
    const cCliRun run = RunCli({"--load", Path("none.ovc"), "1"});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.err, Path("none.ovc") + ": No such file or directory\n");
}

// A name too long for a length field makes the engine's save fail part way through.
TEST_F(DeclarationOptionsTest, AFailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile) {
    WriteFile(Path("c.ovc"), "old contents");
    const cCliRun run =
        RunCli({"-c", "k=1", "-c", std::string(70000, 'n') + "=1", "--save-constants", Path("c.ovc")});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.err,
              "Error: While trying to perform file operations, Orvane encountered an error. You may want to "
              "restart "
              "windows.\n");
    EXPECT_EQ(ReadFile(Path("c.ovc")), "old contents");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"c.ovc"});
}

TEST_F(DeclarationOptionsTest, ASaveIntoAMissingFolderIsReported) {
    const cCliRun run = RunCli({"-c", "k=1", "--save-constants", Path("missing/c.ovc")});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.err, Path("missing/c.ovc") + ": No such file or directory\n");
}

}  // namespace
