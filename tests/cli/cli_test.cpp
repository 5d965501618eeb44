// orvane-cli as a user scripts it, for what the golden files cannot say: line endings, the settings
// file beside the program, usage errors and input too large to hold.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "cli_runner.h"

namespace {

namespace fs = std::filesystem;

TEST(Cli, StandardInputLinesMayEndWithCarriageReturns) {
    const cCliRun run = RunCli({}, "1/3\r\n2*3\r\n");
    EXPECT_EQ(run.out, "0.333333333333333\n6\n");
    EXPECT_EQ(run.exitStatus, 0);
}

// Without --angle the mode comes from Orvane.ini beside the program, as for the desktop program. The
// program runs from a folder of its own, so that no other test sees the file.
TEST(Cli, AngleModeFromTheSettingsFile) {
    const fs::path folder =
        fs::temp_directory_path() / ("orvane-cli-ini-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    struct cRemoveAfterwards {
        fs::path path;
        ~cRemoveAfterwards() { fs::remove_all(path); }
    } cleanup{folder};
    const fs::path program = folder / fs::path(ORVANE_CLI_PATH).filename();
    fs::copy_file(ORVANE_CLI_PATH, program);
    const fs::path settings = folder / "Orvane.ini";

    std::ofstream(settings) << "[calculation]\nanglemode=0\n";
    EXPECT_EQ(RunCli({"sin(pi()/2)"}, "", program).out, "1\n");
    EXPECT_EQ(RunCli({"--angle", "deg", "sin(90)"}, "", program).out, "1\n");
    std::ofstream(settings) << "[Calculation]\nAngleMode=65538\n";
    EXPECT_EQ(RunCli({"sin(100)"}, "", program).out, "1\n");
    fs::remove(settings);
    EXPECT_EQ(RunCli({"sin(90)"}, "", program).out, "1\n");
}

TEST(Cli, UsageErrorsExitWithTwo) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--set"}, {"--set", "X=1"}, {"--set", "x=abc"}, {"--angle", "turns"}, {"--frobnicate"}}) {
        const cCliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitStatus, 2) << arguments[0];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Usage: orvane-cli"), std::string::npos);
    }
    EXPECT_EQ(RunCli({"--help"}).exitStatus, 0);
    EXPECT_EQ(RunCli({"--version"}).out, "orvane-cli 2.1.1\n");
}

TEST(Cli, HugeFormulasFailCleanly) {
    const std::string formula(1000000, '(');
    const cCliRun run = RunCli({}, formula + "\n");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.err, "parse error\n");
}

}  // namespace
