// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_problems.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "support/test_folder.h"

namespace {

namespace fs = std::filesystem;

// Saving may replace a regular file the user may write or create a new one, never anything else, also
// behind a link. A file without write permission is kept from root too.
TEST(FileProblemsTest, OnlyWritableRegularOrNewFilesMayBeSavedOver) {
    const cTestFolder testFolder("orvane-file-problems-test-");
    const fs::path& folder = testFolder.Path();
    std::ofstream(folder / "regular.ovc") << "x";
    std::ofstream(folder / "read-only.ovc") << "x";
    fs::permissions(folder / "read-only.ovc", fs::perms::owner_read);
    EXPECT_FALSE(SaveTargetProblem(folder / "regular.ovc"));
    EXPECT_FALSE(SaveTargetProblem(folder / "new.ovc"));
    EXPECT_EQ(SaveTargetProblem(folder).value().problem, cFileProblem::Folder);
    EXPECT_EQ(SaveTargetProblem(folder / "read-only.ovc").value().problem, cFileProblem::ReadOnly);
    fs::permissions(folder / "read-only.ovc", fs::perms::owner_write, fs::perm_options::add);  // to remove it
#ifdef _WIN32
    std::cout << "Devices and links are not tried: wine makes no symbolic links\n";
#else
    fs::create_symlink("/dev/null", folder / "device-link.ovc");
    fs::create_symlink(folder / "regular.ovc", folder / "file-link.ovc");
    EXPECT_FALSE(SaveTargetProblem(folder / "file-link.ovc"));
    EXPECT_EQ(SaveTargetProblem("/dev/null").value().problem, cFileProblem::NotAFile);
    EXPECT_EQ(SaveTargetProblem(folder / "device-link.ovc").value().problem, cFileProblem::NotAFile);
    // A save would replace the link by a file; the system's words say why not.
    fs::create_symlink("loop.ovc", folder / "loop.ovc");
    EXPECT_EQ(SaveTargetProblem(folder / "loop.ovc"), FileFailureOf(ELOOP));
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
