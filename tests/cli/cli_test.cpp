// orvane-cli as a user scripts it: results on standard output, failures and reports on standard
// error, and the exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_runner.h"

namespace {

TEST(Cli, PrintsOneLinePerFormulaAndFailsOnAnyError) {
    const cCliRun run = RunCli({"2+3", "2^3^2", "-2^2", "1E-5", "1e-5", "(((7)))", "2*-3"});
    EXPECT_EQ(run.out, "5\n64\n-4\n1E-5\n-4\n7\n<ERROR>\n");
    EXPECT_EQ(run.err, "parse error\n");
    EXPECT_EQ(run.exitStatus, 1);
}

TEST(Cli, VariablesCarryOverBetweenFormulas) {
    const cCliRun run =
        RunCli({"--set", "x=2.5", "--set", "y=-1", "x*4", "sum('i';1;10;i)", "i+y", "--vars"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find("a = ")), "10\n55\n10\n");
    EXPECT_NE(run.out.find("\ni = 11\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nx = 2.5\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nz = 0\n"), std::string::npos);
}

TEST(Cli, ReadsStandardInputWhenNoFormulaIsGiven) {
    const cCliRun run = RunCli({}, "1/3\r\n1/0\nsqrt(-1)\n");
    EXPECT_EQ(run.out, "0.333333333333333\n<ERROR>\nNAN\n");
    EXPECT_EQ(run.err, "calc error\nsqrt: DOMAIN error\n");
    EXPECT_EQ(run.exitStatus, 1);
}

TEST(Cli, AngleModeOption) {
    EXPECT_EQ(RunCli({"--angle", "rad", "sin(pi()/2)", "arcsin(1)"}).out, "1\n1.5707963267949\n");
    EXPECT_EQ(RunCli({"--angle", "deg", "sin(90)", "arctan(1)"}).out, "1\n45\n");
    EXPECT_EQ(RunCli({"--angle", "gra", "sin(100)", "arccos(0)"}).out, "1\n100\n");
}

// Without --angle the mode comes from Orvane.ini beside the program, as for the desktop program.
TEST(Cli, AngleModeFromTheSettingsFile) {
    const std::filesystem::path settings =
        std::filesystem::path(ORVANE_CLI_PATH).parent_path() / "Orvane.ini";
    struct cRemoveAfterwards {
        std::filesystem::path path;
        ~cRemoveAfterwards() { std::filesystem::remove(path); }
    } cleanup{settings};
    std::ofstream(settings) << "[calculation]\nanglemode=0\n";
    EXPECT_EQ(RunCli({"sin(pi()/2)"}).out, "1\n");
    EXPECT_EQ(RunCli({"--angle", "deg", "sin(90)"}).out, "1\n");
    std::ofstream(settings) << "[Calculation]\nAngleMode=65538\n";
    EXPECT_EQ(RunCli({"sin(100)"}).out, "1\n");
    std::filesystem::remove(settings);
    EXPECT_EQ(RunCli({"sin(90)"}).out, "1\n");
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
    EXPECT_EQ(RunCli({"--", "--1"}).out, "<ERROR>\n");
}

TEST(Cli, HugeFormulasFailCleanly) {
    const std::string formula(1000000, '(');
    const cCliRun run = RunCli({}, formula + "\n");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.err, "parse error\n");
}

}  // namespace
