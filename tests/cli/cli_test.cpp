// SPDX-License-Identifier: GPL-3.0-or-later
// orvane-cli as a user scripts it, for what the golden files cannot say: line endings, the settings
// file beside the program, usage errors, locales, failing input and output, input too large to hold.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cli_runner.h"

namespace {

namespace fs = std::filesystem;

TEST(Cli, StandardInputLinesMayEndWithCarriageReturns) {
    const cCliRun run = RunCli({}, "1/3\r\n2*3\r\n");
    EXPECT_EQ(run.out, "0.333333333333333\n6\n");
    EXPECT_EQ(run.exitStatus, 0);
}

// The program copied into a folder of its own, so that no other test sees its Orvane.ini.
class cProgramCopy {
public:
    cProgramCopy() : program_(folder_.Path() / fs::path(ORVANE_CLI_PATH).filename()) {
        fs::copy_file(ORVANE_CLI_PATH, program_);
    }
    std::string Program() const { return program_.string(); }
    fs::path Settings() const { return folder_.Path() / "Orvane.ini"; }

private:
    cTestFolder folder_;
    fs::path program_;
};

// Without --angle the mode comes from Orvane.ini beside the program, as for the desktop program.
TEST(Cli, AngleModeFromTheSettingsFile) {
    const cProgramCopy copy;
    const std::string program = copy.Program();
    std::ofstream(copy.Settings()) << "[calculation]\nanglemode=0\n";
    EXPECT_EQ(RunCli({"sin(pi()/2)"}, "", program).out, "1\n");
    EXPECT_EQ(RunCli({"--angle", "deg", "sin(90)"}, "", program).out, "1\n");
    std::ofstream(copy.Settings()) << "[Calculation]\nAngleMode=65538\n";
    EXPECT_EQ(RunCli({"sin(100)"}, "", program).out, "1\n");
    fs::remove(copy.Settings());
    EXPECT_EQ(RunCli({"sin(90)"}, "", program).out, "1\n");
}

// A settings file that is no regular file is ignored at once; once the start waited or read for ever.
TEST(Cli, ASettingsFileThatIsNoRegularFileIsIgnored) {
    if (WindowsBuild) GTEST_SKIP() << "Windows has no FIFOs and no /dev/zero";
    const cProgramCopy copy;
    ASSERT_EQ(MakeFifo(copy.Settings().string()), 0);
    EXPECT_EQ(RunCli({"sin(90)"}, "", copy.Program()).out, "1\n");
    fs::remove(copy.Settings());
    fs::create_symlink("/dev/zero", copy.Settings());
    EXPECT_EQ(RunCli({"sin(90)"}, "", copy.Program()).out, "1\n");
}

// A library bigger than the memory the program may have is refused, and the session goes on; once
// std::bad_alloc ended the program and took the session with it.
TEST(Cli, ALibraryTooBigForTheMemoryLimitIsRefusedAndTheSessionGoesOn) {
    if (WindowsBuild) GTEST_SKIP() << "the memory limit is set through a POSIX shell";
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit leaves";
#endif
    const cProgramCopy copy;
    std::ofstream(copy.Settings()) << "[Parser]\nMaxConst=9999\n";
    // 800 constants with a description of 60,000 characters each: 48 MB to hold, under a 30 MB limit.
    const fs::path library = copy.Settings().parent_path() / "big.ovc";
    {
        std::ofstream out(library, std::ios::binary);
        out.write("OVC\x01\x01\x20\x03\x00\x00", 9);
        const std::string description(60000, 'x');
        for (int i = 0; i < 800; ++i) {
            const std::string definition = "k" + std::to_string(i) + "=1";
            const auto length = [&out](std::size_t size) {
                out.put(static_cast<char>(size & 0xFF)).put(static_cast<char>(size >> 8));
            };
            length(definition.size());
            out << definition;
            length(description.size());
            out << description;
        }
    }
    const cCliRun run = RunCli({"-c", "ulimit -v 30000 && exec \"$0\"", copy.Program()},
                               ":load " + library.string() + "\n1+1\n", "/bin/sh");
    EXPECT_EQ(run.err, "line 1: Error: The file \"" + library.string() +
                           "\" could not be loaded: out of memory. Nothing has been changed.\n");
    EXPECT_EQ(run.out, "2\n");
    EXPECT_EQ(run.exitStatus, 1);
}

TEST(Cli, UsageErrorsExitWithTwo) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{{"--set"},
                                                                       {"--set", "X=1"},
                                                                       {"--set", "x=abc"},
                                                                       {"--angle", "turns"},
                                                                       {"--frobnicate"},
                                                                       {"-x"}}) {
        const cCliRun run = RunCli(arguments);
        EXPECT_EQ(run.exitStatus, 2) << arguments[0];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Usage: orvane-cli"), std::string::npos);
    }
    EXPECT_EQ(RunCli({"--help"}).exitStatus, 0);
    EXPECT_EQ(RunCli({"-h"}).out, RunCli({"--help"}).out);
    EXPECT_EQ(RunCli({"--version"}).out, "orvane-cli 2.1.1\n");
}

// A line too long to hold is reported and passed over; the lines after it are calculated.
TEST(Cli, AnOverlongLineFailsAndTheScriptGoesOn) {
    const std::string line(16 * 1024 * 1024 + 1, '1');
    const cCliRun run = RunCli({}, "2+2\n" + line + "\n1+1");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.out, "4\n<ERROR>\n2\n");
    EXPECT_EQ(run.err, "line 2: the line is longer than 16 MiB and was not read\n");
}

// Output that does not arrive, or input that cannot be read, is never success.
TEST(Cli, InputAndOutputFailuresExitWithThree) {
    if (WindowsBuild) GTEST_SKIP() << "the test needs /dev/full, a folder as standard input and bash";
    cRunSetting fullDisk;
    fullDisk.outputPath = "/dev/full";
    const cCliRun full = RunCli({"1+1"}, "", ORVANE_CLI_PATH, fullDisk);
    EXPECT_EQ(full.exitStatus, 3);
    EXPECT_EQ(full.err, "orvane-cli: standard output could not be written: No space left on device\n");
    // A table stops at the first write that fails; once it computed every row first, and its reports
    // counted all 100,001 points.
    const cCliRun table = RunCli({"--table", "sqrt(x)", "--from", "-2", "--to", "-1", "--steps", "100000"},
                                 "", ORVANE_CLI_PATH, fullDisk);
    EXPECT_EQ(table.exitStatus, 3);
    EXPECT_EQ(table.err, full.err);

    cRunSetting folderAsInput;
    folderAsInput.inputPath = "/";
    const cCliRun folder = RunCli({}, "", ORVANE_CLI_PATH, folderAsInput);
    EXPECT_EQ(folder.exitStatus, 3);
    EXPECT_EQ(folder.err, "orvane-cli: standard input could not be read: Is a directory\n");

    // With SIGPIPE ignored, a reader that goes away is a failed write like any other.
    std::string lines;
    for (int i = 0; i < 100000; ++i)
        lines += "1\n";
    const cCliRun closed =
        RunCli({"-c", "trap '' PIPE; set -o pipefail; \"$0\" | head -c 1 >/dev/null", ORVANE_CLI_PATH}, lines,
               "/bin/bash");
    EXPECT_EQ(closed.exitStatus, 3);
    EXPECT_EQ(closed.err, "orvane-cli: standard output could not be written: Broken pipe\n");
}

// Results show '.' in every locale unless --locale asks for the user's separator; numbers are read
// with either. The test makes a German locale of its own.
TEST(Cli, TheDecimalSeparatorFollowsTheLocaleOnlyWhenAsked) {
    if (WindowsBuild) GTEST_SKIP() << "the test makes its German locale with localedef";
    const cTestFolder testFolder;
    const fs::path& folder = testFolder.Path();
    const std::string made =
        "localedef -i de_DE -f UTF-8 '" + (folder / "de_DE.UTF-8").string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(made.c_str()), 0) << "localedef (package locales) is needed";
    cRunSetting german;
    german.environment = {"LOCPATH=" + folder.string(), "LC_ALL=de_DE.UTF-8"};
    EXPECT_EQ(RunCli({"1/4", "1,5+1"}, "", ORVANE_CLI_PATH, german).out, "0.25\n2.5\n");
    EXPECT_EQ(RunCli({"--locale", "1/4", "1.5+1"}, "", ORVANE_CLI_PATH, german).out, "0,25\n2,5\n");
    EXPECT_EQ(RunCli({"--locale", "1/4"}).out, "0.25\n");
}

TEST(Cli, HugeFormulasFailCleanly) {
    const std::string formula(1000000, '(');
    const cCliRun run = RunCli({}, formula + "\n");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.err, "line 1: parse error: bracket without partner at character 1\n");
}

}  // namespace
