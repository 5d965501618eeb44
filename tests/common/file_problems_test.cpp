// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_problems.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "support/test_folder.h"

namespace {

namespace fs = std::filesystem;

// Saving may replace a regular file or create a new one, never anything else, also behind a link.
TEST(FileProblemsTest, OnlyRegularOrNewFilesMayBeSavedOver) {
    const cTestFolder testFolder("orvane-file-problems-test-");
    const fs::path& folder = testFolder.Path();
    std::ofstream(folder / "regular.ovc") << "x";
    EXPECT_EQ(SaveTargetProblem(folder / "regular.ovc"), std::nullopt);
    EXPECT_EQ(SaveTargetProblem(folder / "new.ovc"), std::nullopt);
    EXPECT_EQ(SaveTargetProblem(folder), cFileProblem::Folder);
#ifdef _WIN32
    std::cout << "Devices and links are not tried: wine makes no symbolic links\n";
#else
    fs::create_symlink("/dev/null", folder / "device-link.ovc");
    fs::create_symlink(folder / "regular.ovc", folder / "file-link.ovc");
    EXPECT_EQ(SaveTargetProblem(folder / "file-link.ovc"), std::nullopt);
    EXPECT_EQ(SaveTargetProblem("/dev/null"), cFileProblem::NotAFile);
    EXPECT_EQ(SaveTargetProblem(folder / "device-link.ovc"), cFileProblem::NotAFile);
#endif
}

TEST(FileProblemsTest, EachProblemHasItsWords) {
    EXPECT_EQ(
        FileProblemText("c.ovc", "opened", FileProblemOf(ENOENT)),
        "Error: The file \"c.ovc\" could not be opened: there is no such file. Nothing has been changed.");
    EXPECT_EQ(FileProblemText("lib", "opened", FileProblemOf(EISDIR)),
              "Error: The file \"lib\" could not be opened: it is a folder. Nothing has been changed.");
    EXPECT_EQ(FileProblemOf(EACCES), cFileProblem::NoPermission);
    EXPECT_EQ(FileProblemText("c.ovc", "saved", cFileProblem::Other, "disk full"),
              "Error: The file \"c.ovc\" could not be saved: disk full. Nothing has been changed.");
}

}  // namespace
