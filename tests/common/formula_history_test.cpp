// SPDX-License-Identifier: GPL-3.0-or-later
// The formula history file: what is kept, in which order, and what a new run reads back.
#include "common/formula_history.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/test_folder.h"

namespace {

using tEntries = std::vector<std::string>;

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

TEST(FormulaHistoryTest, KeepsTheNewestThousand) {
    const cTestFolder folder("orvane history ");
    const auto file = folder.Path() / "history";
    {
        std::ofstream out(file);
        for (int i = 0; i < 1005; ++i)
            out << i << "\n";
    }
    cFormulaHistory history(file);
    ASSERT_EQ(history.Entries().size(), cFormulaHistory::MaxEntries);
    EXPECT_EQ(history.Entries().front(), "5");
    history.Add("new");
    EXPECT_EQ(history.Entries().size(), cFormulaHistory::MaxEntries);
    EXPECT_EQ(history.Entries().front(), "6");
    EXPECT_EQ(cFormulaHistory(file).Entries().back(), "new");
}

TEST(FormulaHistoryTest, AFileThatCannotBeWrittenKeepsTheHistoryInMemory) {
    const cTestFolder folder("orvane history ");
    std::filesystem::create_directories(folder.Path() / "history");  // a folder where the file should be
    cFormulaHistory history(folder.Path() / "history");
    EXPECT_FALSE(history.Add("1+1"));
    EXPECT_EQ(history.Entries(), tEntries{"1+1"});
}

}  // namespace
