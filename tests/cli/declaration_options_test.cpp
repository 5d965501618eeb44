// SPDX-License-Identifier: GPL-3.0-or-later
// orvane-cli's library options, run on the real program in a temporary folder (the declaration
// options are in the golden files).
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <thread>

#include "cli_runner.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class DeclarationOptionsTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return folder_.Path(name); }
    const fs::path& Folder() const { return folder_.Path(); }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    cTestFolder folder_;
};

TEST_F(DeclarationOptionsTest, SavedLibrariesHoldTheDeclarationsByteForByte) {
    // Saving without a formula reads no standard input.
    const cCliRun run = RunCli({"-c", "gg=9.81", "-f", "h(t)=gg*t", "--save-constants", Path("c.ovc"),
                                "--save-functions", Path("f.ovf")},
                               "1+1\n");
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadWholeFile(Path("c.ovc")), "OVC\x01\x01\x01\x00\x00\x00\x07\x00gg=9.81\x00\x00"s);
    EXPECT_EQ(ReadWholeFile(Path("f.ovf")), "OVF\x01\x01\x01\x00\x00\x00\x09\x00h(t)=gg*t\x00\x00"s);
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
    EXPECT_EQ(ReadWholeFile(Path("c2.ovc")), ReadWholeFile(Path("c.ovc")));
    EXPECT_EQ(ReadWholeFile(Path("f2.ovf")), ReadWholeFile(Path("f.ovf")));
}

TEST_F(DeclarationOptionsTest, CommandsSaveAndLoadLibrariesWithTheirDescriptions) {
    const cCliRun saved = RunCli({}, ":const kk=2 # two\n:func d(x)=x*kk\n:save-consts " + Path("c.ovc") +
                                         "\n:save-funcs " + Path("f.ovf") + "\n");
    ASSERT_EQ(saved.exitStatus, 0) << saved.err;
    const cCliRun loaded =
        RunCli({}, ":load " + Path("c.ovc") + "\n:load " + Path("f.ovf") + "\n:consts\nd(4)\n");
    EXPECT_EQ(loaded.out, "kk=2  # two\n8\n") << loaded.err;
}

// A save replaces the file an earlier one made (the C library's rename refuses on Windows: "File
// exists"), also in a folder whose name is not Latin-1.
TEST_F(DeclarationOptionsTest, ASaveReplacesAnEarlierOneInAFolderOfAnyName) {
    const fs::path folder = Folder() / fs::path(u8"\u00d8rvane \u03a9");
    fs::create_directory(folder);
    const std::u8string name = (folder / "c.ovc").u8string();
    const std::string library(name.begin(), name.end());
    ASSERT_EQ(RunCli({"-c", "kk=1", "--save-constants", library}).exitStatus, 0);
    const cCliRun second = RunCli({"-c", "kk=2", "--save-constants", library});
    ASSERT_EQ(second.exitStatus, 0) << second.err;
    EXPECT_EQ(RunCli({"--load", library, "kk"}).out, "2\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);
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

std::string ProblemText(const std::string& path, const char* action, const char* reason) {
    return "Error: The file \"" + path + "\" could not be " + action + ": " + reason +
           ". Nothing has been changed.\n";
}

TEST_F(DeclarationOptionsTest, AFileThatCannotBeLoadedIsNamedWithItsCause) {
    fs::create_directory(Path("folder"));
    for (const auto& [name, reason] :
         {std::pair{"none.ovc", "there is no such file"}, {"folder", "it is a folder"}}) {
        const cCliRun run = RunCli({"--load", Path(name), "1"});
        EXPECT_EQ(run.exitStatus, 2) << name;
        EXPECT_EQ(run.err, ProblemText(Path(name), "loaded", reason)) << name;
    }
}

// A pipe cannot be rewound: the bytes read to tell the kind must still reach the loader.
TEST_F(DeclarationOptionsTest, ALibraryIsLoadedFromAFifo) {
    if (WindowsBuild) GTEST_SKIP() << "Windows has no FIFOs";
    ASSERT_EQ(MakeFifo(Path("fifo")), 0);
    std::thread writer(
        [&] { WriteFile(Path("fifo"), "OVF\x01\x01\x01\x00\x00\x00\x0a\x00t(x)=x*2+1\x00\x00"s); });
    const cCliRun run = RunCli({"--load", Path("fifo"), "t(20)"});
    writer.join();
    EXPECT_EQ(run.out, "41\n") << run.err;
}

struct cSaveTargetCase {
    const char* what;
    std::string target;
    const char* reason;
};

// A save never replaces what is not a regular file: a folder, a device, a FIFO, or a terminal or pipe
// reached through /proc/self/fd.
TEST_F(DeclarationOptionsTest, ATargetThatIsNoRegularFileIsLeftAlone) {
    fs::create_directory(Path("folder"));
    std::vector<cSaveTargetCase> cases = {{"folder", Path("folder"), "it is a folder"}};
    if (WindowsBuild) {
        std::cout << "Devices, FIFOs and /proc are not tried: Windows has none\n";
    } else {
        ASSERT_EQ(MakeFifo(Path("fifo")), 0);
        cases.push_back({"device", "/dev/full", "it is not a regular file"});
        cases.push_back({"fifo", Path("fifo"), "it is not a regular file"});
    }
    for (const cSaveTargetCase& c : cases) {
        const auto type = fs::status(c.target).type();
        const cCliRun run = RunCli({"-c", "kk=1", "--save-constants", c.target});
        EXPECT_EQ(run.exitStatus, 2) << c.what;
        EXPECT_EQ(run.err, ProblemText(c.target, "saved", c.reason)) << c.what;
        EXPECT_EQ(fs::status(c.target).type(), type) << c.what;
    }
    if (WindowsBuild) return;
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"fifo", "folder"}));

    const cCliRun piped = RunCli(
        {"-c", "set -o pipefail; \"$0\" -c kk=1 --save-constants /proc/self/fd/1 | cat", ORVANE_CLI_PATH}, "",
        "/bin/bash");
    EXPECT_EQ(piped.exitStatus, 2);
    EXPECT_EQ(piped.err, ProblemText("/proc/self/fd/1", "saved", "it is not a regular file"));
}

TEST_F(DeclarationOptionsTest, ASaveThroughALinkReplacesTheLinkedFile) {
    if (WindowsBuild) GTEST_SKIP() << "symbolic links need a privilege on Windows, and wine makes none";
    fs::create_directory(Path("real"));
    WriteFile(Path("real/c.ovc"), "old");
    fs::create_symlink("real/c.ovc", Path("link.ovc"));
    const cCliRun run = RunCli({"-c", "kk=1", "--save-constants", Path("link.ovc")});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(Path("link.ovc")));
    EXPECT_EQ(ReadWholeFile(Path("real/c.ovc")), "OVC\x01\x01\x01\x00\x00\x00\x04\x00kk=1\x00\x00"s);
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"link.ovc", "real"}));
}

// The declaration comes as an option and as a command; a Windows command line holds at most 32767
// characters, so there it comes only as a command.
TEST_F(DeclarationOptionsTest, AnOverlongDeclarationIsNamedAndTheOldFileKept) {
    const std::string name(70000, 'n');
    const std::string why =
        "Error: Declaration 2 (nnnnnnnnnn[...]) is longer than a library file can hold (65535 bytes for its "
        "definition and for its description). Nothing has been saved.\n";
    const struct {
        const char* way;
        std::vector<std::string> arguments;
        std::string input;
        int status;
        std::string err;
    } ways[] = {
        {"as a command",
         {},
         ":const kk=1\n:const " + name + "=1\n:save-consts " + Path("c.ovc") + "\n",
         1,
         "line 3: " + why},
        {"as an option", {"-c", "kk=1", "-c", name + "=1", "--save-constants", Path("c.ovc")}, "", 2, why},
    };
    for (const auto& w : ways) {
        if (WindowsBuild && w.input.empty()) continue;
        WriteFile(Path("c.ovc"), "old contents");
        const cCliRun run = RunCli(w.arguments, w.input);
        EXPECT_EQ(run.exitStatus, w.status) << w.way;
        EXPECT_EQ(run.err, w.err) << w.way;
        EXPECT_EQ(ReadWholeFile(Path("c.ovc")), "old contents") << w.way;
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"c.ovc"}) << w.way;
    }
}

TEST_F(DeclarationOptionsTest, ASaveIntoAMissingFolderIsReported) {
    const cCliRun run = RunCli({"-c", "kk=1", "--save-constants", Path("missing/c.ovc")});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.err, ProblemText(Path("missing/c.ovc"), "saved", "there is no such file"));
}

// A script that saves over and over, ended by a signal: whenever it comes, the library is complete and
// no temporary file is left.
TEST_F(DeclarationOptionsTest, ASignalDuringASaveLeavesTheOldFileAndNoTemporaryFile) {
    if (WindowsBuild)
        GTEST_SKIP() << "Windows cannot send a signal or a Ctrl-C to a program without a console";
    std::string script = ":const kk=1 # " + std::string(60000, 'd') + "\n";
    const std::string save = ":save-consts " + Path("c.ovc") + "\n";
    // The library is there before the run, as the first save writes it: on a loaded machine the
    // signal may come before the run reaches its first save.
    ASSERT_EQ(RunCli({}, script + save).exitStatus, 0);
    for (int i = 0; i < 50000; ++i)
        script += save;
    for (const int signal : {SIGINT, SIGTERM}) {
        cRunSetting interrupted;
        interrupted.signal = signal;
        interrupted.signalDelayMs = 300;
        EXPECT_EQ(RunCli({}, script, ORVANE_CLI_PATH, interrupted).exitStatus, -1) << signal;
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"c.ovc"}) << signal;
        EXPECT_EQ(ReadWholeFile(Path("c.ovc")).size(), 60017u) << signal;
    }
}

}  // namespace
