// The formula history file: what is kept, in which order, and what a new run reads back.
#include "formula_history.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using tEntries = std::vector<std::string>;

std::filesystem::path HistoryFolder() {
    return std::filesystem::path(testing::TempDir()) /
           (std::string("orvane history ") + testing::UnitTest::GetInstance()->current_test_info()->name());
}

TEST(FormulaHistoryTest, KeepsEachFormulaOnceInARowAndReadsItBackInANewRun) {
    const auto folder = HistoryFolder();
    std::filesystem::remove_all(folder);
    const auto file = folder / "in a new folder" / "history";
    {
        cFormulaHistory history(file);
        EXPECT_TRUE(history.Entries().empty());
        for (const char* formula : {"6*7", "6*7", "", "sum('i';1;3;\ni)", "6*7"})
            EXPECT_TRUE(history.Add(formula));
        EXPECT_EQ(history.Entries(), (tEntries{"6*7", "sum('i';1;3; i)", "6*7"}));
    }
    EXPECT_EQ(cFormulaHistory(file).Entries(), (tEntries{"6*7", "sum('i';1;3; i)", "6*7"}));
    std::filesystem::remove_all(folder);
}

TEST(FormulaHistoryTest, KeepsTheNewestThousand) {
    const auto folder = HistoryFolder();
    std::filesystem::create_directories(folder);
    const auto file = folder / "history";
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
    std::filesystem::remove_all(folder);
}

TEST(FormulaHistoryTest, AFileThatCannotBeWrittenKeepsTheHistoryInMemory) {
    const auto folder = HistoryFolder();
    std::filesystem::create_directories(folder / "history");  // a folder where the file should be
    cFormulaHistory history(folder / "history");
    EXPECT_FALSE(history.Add("1+1"));
    EXPECT_EQ(history.Entries(), tEntries{"1+1"});
    std::filesystem::remove_all(folder);
}

}  // namespace
