// SPDX-License-Identifier: GPL-3.0-or-later
// The formula history file: what is kept, in which order, what a new run reads back, and what becomes
// of files the history did not write (other formats, other programs writing at once, hostile files).
#include "common/formula_history.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif

#include "support/test_folder.h"

namespace {

namespace fs = std::filesystem;
using tEntries = std::vector<std::string>;

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

TEST(FormulaHistoryTest, KeepsEachFormulaOnceInARowAndReadsItBackInANewRun) {
    const cTestFolder folder("orvane history ");
    const auto file = folder.Path() / "in a new folder" / "history";
    {
        cFormulaHistory history(file);
        EXPECT_TRUE(history.Entries().empty());
        for (const char* formula : {"6*7", "6*7", "", "sum('i';1;3;\ni)", "6*7"})
            EXPECT_TRUE(history.Add(formula));
        EXPECT_EQ(history.Entries(), (tEntries{"6*7", "sum('i';1;3; i)", "6*7"}));
    }
    EXPECT_EQ(cFormulaHistory(file).Entries(), (tEntries{"6*7", "sum('i';1;3; i)", "6*7"}));
}

TEST(FormulaHistoryTest, KeepsResultsBesideTheirFormulasAndClearsForEveryone) {
    const cTestFolder folder("orvane history ");
    const auto file = folder.Path() / "history";
    cFormulaHistory history(file);
    EXPECT_TRUE(history.Add("6*7", "42"));
    EXPECT_TRUE(history.Add("6*7", "42"));
    EXPECT_TRUE(history.Add("a\t+1", "2\t3"));  // tabs become blanks: the file keeps one tab a line
    EXPECT_TRUE(history.Add("1/0"));
    const tEntries formulas{"6*7", "a +1", "1/0"};
    const tEntries results{"42", "2 3", ""};
    EXPECT_EQ(Bytes(file), "6*7\t42\na +1\t2 3\n1/0\n");
    const cFormulaHistory again(file);
    EXPECT_EQ(again.Entries(), formulas);
    EXPECT_EQ(again.Results(), results);

    cFormulaHistory other(file);
    EXPECT_TRUE(history.Clear());
    EXPECT_TRUE(history.Entries().empty());
    EXPECT_TRUE(other.Add("1+1", "2"));
    EXPECT_EQ(cFormulaHistory(file).Entries(), tEntries{"1+1"});
}

TEST(FormulaHistoryTest, KeepsTheNewestThousandAndCompactsTheFileBesideIt) {
    const cTestFolder folder("orvane history ");
    const auto file = folder.Path() / "history";
    {
        std::ofstream out(file);
        for (std::size_t i = 0; i < 2 * cFormulaHistory::MaxEntries; ++i)
            out << i << "\n";
    }
    cFormulaHistory history(file);
    ASSERT_EQ(history.Entries().size(), cFormulaHistory::MaxEntries);
    EXPECT_EQ(history.Entries().front(), "1000");
    cFormulaHistory other(file);
    EXPECT_TRUE(other.Add("from another program"));
    EXPECT_TRUE(history.Add("new"));
    EXPECT_EQ(history.Entries().front(), "1001");
    const tEntries kept = cFormulaHistory(file).Entries();
    ASSERT_EQ(kept.size(), cFormulaHistory::MaxEntries);
    EXPECT_EQ(tEntries(kept.end() - 2, kept.end()), (tEntries{"from another program", "new"}));
    EXPECT_EQ(Bytes(file).substr(0, 5), "1002\n");  // compacted, not only appended to
}

// Two orvane-cli sessions and the desktop program may share the file: none may drop the others' lines.
TEST(FormulaHistoryTest, ProgramsSharingTheFileKeepEachOthersLines) {
    const cTestFolder folder("orvane history ");
    const auto file = folder.Path() / "history";
    cFormulaHistory first(file);
    cFormulaHistory second(file);
    EXPECT_TRUE(first.Add("1+1"));
    EXPECT_TRUE(second.Add("2+2"));
    EXPECT_TRUE(first.Add("3+3"));
    EXPECT_EQ(Bytes(file), "1+1\n2+2\n3+3\n");
    EXPECT_EQ(first.Entries(), (tEntries{"1+1", "3+3"}));  // each walks its own session's entries
}

struct cFileCase {
    const char* name;
    std::string bytes;
    tEntries entries;
};

// Only whole lines count: a last line without its line end is what a write that failed left behind.
TEST(FormulaHistoryTest, ReadsWholeLinesOfBothFormats) {
    const std::string overlong(cFormulaHistory::MaxEntryLength + 1, '1');
    const std::vector<cFileCase> cases = {
        {"plain lines, CR LF, empty lines", "6*7\r\n\n1+1\n", {"6*7", "1+1"}},
        {"a fragment at the end", "6*7\nsum('i';1;10", {"6*7"}},
        {"libedit's escapes",
         "_HiStOrY_V2_\n6*7\nsum('i';\\0401;3;i)\\040\\\\\n\\^A\\M-C\\M-)\n1\\0122\n",
         {"6*7", "sum('i'; 1;3;i) \\", "\x01\xC3\xA9", "1 2"}},
        {"a line too long to keep", "6*7\n" + overlong + "\n1+1\n", {"6*7", "1+1"}},
    };
    const cTestFolder folder("orvane history ");
    const auto file = folder.Path() / "history";
    for (const cFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        Write(file, c.bytes);
        cFormulaHistory history(file);
        EXPECT_EQ(history.Entries(), c.entries);
        EXPECT_EQ(history.Problem(), "");
        EXPECT_TRUE(history.Add("2+2"));
        tEntries expected = c.entries;
        expected.push_back("2+2");
        EXPECT_EQ(cFormulaHistory(file).Entries(), expected);
    }
}

TEST(FormulaHistoryTest, AnOverlongFormulaIsNotKept) {
    const cTestFolder folder("orvane history ");
    cFormulaHistory history(folder.Path() / "history");
    EXPECT_TRUE(history.Add(std::string(cFormulaHistory::MaxEntryLength + 1, '1')));
    EXPECT_TRUE(history.Entries().empty());
    EXPECT_EQ(Bytes(folder.Path() / "history"), "");
}

// Binary content is nothing the history wrote: it is moved aside, never erased, and said once.
TEST(FormulaHistoryTest, WhatIsNotTextIsKeptAside) {
    const std::vector<cFileCase> cases = {
        {"NUL bytes", std::string("6*7\n\0\0\x01\n", 8), {}},
        {"not UTF-8", "6*7\n\xFF\xFE\x80z\n", {}},
    };
    const cTestFolder folder("orvane history ");
    const auto file = folder.Path() / "history";
    const auto aside = folder.Path() / "history.unreadable";
    for (const cFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(aside);
        Write(file, c.bytes);
        cFormulaHistory history(file);
        EXPECT_TRUE(history.Entries().empty());
        EXPECT_NE(history.Problem().find("history.unreadable"), std::string::npos) << history.Problem();
        EXPECT_EQ(Bytes(aside), c.bytes);
        EXPECT_TRUE(history.Add("1+1"));
        EXPECT_EQ(Bytes(file), "1+1\n");
        EXPECT_EQ(cFormulaHistory(file).Problem(), "");
    }
    // With the name taken, the file stays where it is, and nothing is written to it. Root may write
    // any file, so this is how a run as root sees a file left alone, as one the user may not write is.
    Write(file, cases[0].bytes);
    cFormulaHistory history(file);
    EXPECT_FALSE(history.Add("1+1"));
    EXPECT_EQ(history.Entries(), tEntries{"1+1"});
    EXPECT_EQ(Bytes(file), cases[0].bytes);
    EXPECT_NE(history.Problem().find("left as it is"), std::string::npos) << history.Problem();
}

// Each of these once stalled the desktop program's start (a FIFO waits for a writer), read until the
// memory ran out (a device), or was replaced by a new file.
TEST(FormulaHistoryTest, FilesTheHistoryCannotUseAreLeftAlone) {
    const cTestFolder folder("orvane history ");
    const std::string large(cFormulaHistory::MaxFileSize + 1, '\n');
    Write(folder.Path() / "large", large);
    fs::create_directory(folder.Path() / "folder");
    std::vector<const char*> names = {"large", "folder"};
#ifdef _WIN32
    std::cout << "FIFOs, links to devices and file modes are not tried: Windows has none\n";
#else
    ASSERT_EQ(mkfifo((folder.Path() / "fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder.Path() / "zero");
    fs::create_symlink("/dev/full", folder.Path() / "full");
    names.insert(names.end(), {"fifo", "zero", "full"});
    // Root reads and writes whatever the mode says.
    const bool modesCount = geteuid() != 0;
    if (modesCount) {
        for (const auto& [name, mode] : {std::pair{"read-only", 0444}, std::pair{"no access", 0}}) {
            Write(folder.Path() / name, "6*7\n");
            chmod((folder.Path() / name).c_str(), static_cast<mode_t>(mode));
            names.push_back(name);
        }
    } else {
        std::cout << "Files of mode 444 and 000 are not tried: the test runs as root, whom modes do not "
                     "stop\n";
    }
#endif
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const auto file = folder.Path() / name;
        const auto before = fs::symlink_status(file);
        cFormulaHistory history(file);
        EXPECT_NE(history.Problem().find("left as it is"), std::string::npos) << history.Problem();
        EXPECT_FALSE(history.Add("1+1"));
        EXPECT_EQ(history.Entries().back(), "1+1");
        EXPECT_EQ(fs::symlink_status(file).type(), before.type());
        EXPECT_EQ(fs::symlink_status(file).permissions(), before.permissions());
    }
    EXPECT_EQ(Bytes(folder.Path() / "large"), large);
}

TEST(FormulaHistoryTest, ImportsTheFormerFilesOnceAndLeavesThem) {
    const cTestFolder folder("orvane history ");
    const auto desktop = folder.Path() / "formula history.txt";
    const auto cli = folder.Path() / "cli_history";
    Write(cli, "_HiStOrY_V2_\n1\\040+\\0402\n");
    Write(desktop, "6*7\n1 + 2\n");
    fs::last_write_time(cli, fs::last_write_time(desktop) - std::chrono::hours(1));
    const auto file = folder.Path() / "history";
    EXPECT_EQ(cFormulaHistory(file, {desktop, cli}).Entries(), (tEntries{"1 + 2", "6*7", "1 + 2"}));
    Write(cli, "_HiStOrY_V2_\n9\n");
    EXPECT_EQ(cFormulaHistory(file, {desktop, cli}).Entries(), (tEntries{"1 + 2", "6*7", "1 + 2"}));
    EXPECT_EQ(Bytes(desktop), "6*7\n1 + 2\n");
}

#ifndef _WIN32
// A full disk is made by a limit on the file size, which cuts the write after its first bytes.
TEST(FormulaHistoryTest, AFailedWriteLeavesTheFileAsItWas) {
    const cTestFolder folder("orvane history ");
    const auto file = folder.Path() / "history";
    Write(file, "6*7\n");
    cFormulaHistory history(file);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{10, limit.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool added = history.Add("sum('i';1;10;i)");
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(added);
    EXPECT_EQ(Bytes(file), "6*7\n");
}
#endif

}  // namespace
