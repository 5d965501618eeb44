// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings file and the documentation are found: portable and installed layouts, the
// user's config folder from the environment, and the system-wide default.
#include "common/program_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "support/test_folder.h"

namespace {

namespace fs = std::filesystem;
using tNames = std::vector<std::string>;

class ProgramFilesTest : public testing::Test {
protected:
    // Names ending in '/' are folders, the others files.
    void Make(const std::vector<std::string>& names) const {
        for (const std::string& name : names) {
            if (name.back() == '/') {
                fs::create_directories(root_.Path() / name);
            } else {
                fs::create_directories((root_.Path() / name).parent_path());
                std::ofstream(root_.Path() / name) << "[Parser]\n";
            }
        }
    }
    // '@' in a value stands for the temporary root.
    cEnvironment Environment(std::map<std::string, std::string> variables) const {
        for (auto& [name, value] : variables)
            for (auto at = value.find('@'); at != std::string::npos; at = value.find('@', at + 1))
                value.replace(at, 1, root_.Path().string());
        return [variables](const char* name) -> std::optional<std::string> {
            const auto found = variables.find(name);
            if (found == variables.end()) return std::nullopt;
            return found->second;
        };
    }
    std::string Relative(const fs::path& path) const {
        return path.lexically_relative(root_.Path()).generic_string();
    }

    const cTestFolder root_{"orvane layout "};
};

struct cLocationCase {
    const char* name;
    std::vector<std::string> made;
    const char* programFolder;
    std::map<std::string, std::string> environment;
    const char* read;
    const char* write;
};

TEST_F(ProgramFilesTest, SettingsFileLocation) {
    const std::map<std::string, std::string> xdg = {
        {"XDG_CONFIG_HOME", "@/config"}, {"HOME", "@/home"}, {"XDG_CONFIG_DIRS", "@/etc/xdg"}};
    const std::map<std::string, std::string> homeOnly = {{"HOME", "@/home"},
                                                         {"XDG_CONFIG_DIRS", "@/etc/xdg"}};
    const std::vector<cLocationCase> cases = {
        {"build tree is portable",
         {"build/gui/", "build/share/"},
         "build/gui",
         xdg,
         "build/gui/Orvane.ini",
         "build/gui/Orvane.ini"},
        {"bin folder without share is portable",
         {"orvane/bin/"},
         "orvane/bin",
         xdg,
         "orvane/bin/Orvane.ini",
         "orvane/bin/Orvane.ini"},
#ifdef _WIN32
        {"installed uses the roaming application data",
         {"usr/bin/", "usr/share/"},
         "usr/bin",
         {{"APPDATA", "@/appdata"}},
         "appdata/Orvane/Orvane.ini",
         "appdata/Orvane/Orvane.ini"},
        {"the installer's folder uses the roaming application data",
         {"Program Files/Orvane/uninstall.exe"},
         "Program Files/Orvane",
         {{"APPDATA", "@/appdata"}},
         "appdata/Orvane/Orvane.ini",
         "appdata/Orvane/Orvane.ini"},
        {"relative APPDATA is ignored",
         {"usr/bin/", "usr/share/"},
         "usr/bin",
         {{"APPDATA", "appdata"}},
         "usr/bin/Orvane.ini",
         "usr/bin/Orvane.ini"},
#else
        {"installed uses XDG_CONFIG_HOME",
         {"usr/bin/", "usr/share/"},
         "usr/bin",
         xdg,
         "config/orvane/Orvane.ini",
         "config/orvane/Orvane.ini"},
        {"installed path with a trailing separator",
         {"usr/bin/", "usr/share/"},
         "usr/bin/",
         xdg,
         "config/orvane/Orvane.ini",
         "config/orvane/Orvane.ini"},
        {"installed without XDG_CONFIG_HOME uses ~/.config",
         {"usr/bin/", "usr/share/"},
         "usr/bin",
         homeOnly,
         "home/.config/orvane/Orvane.ini",
         "home/.config/orvane/Orvane.ini"},
        {"relative XDG_CONFIG_HOME is ignored",
         {"usr/bin/", "usr/share/"},
         "usr/bin",
         {{"XDG_CONFIG_HOME", "config"}, {"HOME", "@/home"}},
         "home/.config/orvane/Orvane.ini",
         "home/.config/orvane/Orvane.ini"},
        {"system default read while the user has no file",
         {"usr/bin/", "usr/share/", "etc/xdg/orvane/Orvane.ini"},
         "usr/bin",
         xdg,
         "etc/xdg/orvane/Orvane.ini",
         "config/orvane/Orvane.ini"},
        {"later XDG_CONFIG_DIRS entry is searched too",
         {"usr/bin/", "usr/share/", "site/orvane/Orvane.ini"},
         "usr/bin",
         {{"HOME", "@/home"}, {"XDG_CONFIG_DIRS", "@/etc/xdg:@/site"}},
         "site/orvane/Orvane.ini",
         "home/.config/orvane/Orvane.ini"},
        {"user file wins over the system default",
         {"usr/bin/", "usr/share/", "etc/xdg/orvane/Orvane.ini", "config/orvane/Orvane.ini"},
         "usr/bin",
         xdg,
         "config/orvane/Orvane.ini",
         "config/orvane/Orvane.ini"},
#endif
        {"installed without a home stays portable",
         {"usr/bin/", "usr/share/"},
         "usr/bin",
         {},
         "usr/bin/Orvane.ini",
         "usr/bin/Orvane.ini"},
    };
    for (const cLocationCase& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root_.Path());
        Make(c.made);
        const cSettingsLocation location =
            LocateSettingsFile(root_.Path() / c.programFolder, Environment(c.environment));
        EXPECT_EQ(Relative(location.readPath), c.read);
        EXPECT_EQ(Relative(location.writePath), c.write);
    }
}

// A relative HOME once made the history's folders in whatever folder the program was started from.
TEST_F(ProgramFilesTest, HistoryLocation) {
    const std::vector<std::tuple<const char*, std::map<std::string, std::string>, const char*, tNames>>
        cases = {
#ifdef _WIN32
            {"the roaming application data",
             {{"APPDATA", "@/appdata"}},
             "appdata/Orvane/history",
             {"appdata/Orvane/formula history.txt"}},
            {"relative APPDATA is ignored", {{"APPDATA", "appdata"}}, "", {}},
#else
            {"XDG_DATA_HOME",
             {{"XDG_DATA_HOME", "@/data"}, {"HOME", "@/home"}},
             "data/orvane/history",
             {"data/Orvane/formula history.txt", "data/orvane/cli_history"}},
            {"relative XDG_DATA_HOME is ignored",
             {{"XDG_DATA_HOME", "data"}, {"HOME", "@/home"}},
             "home/.local/share/orvane/history",
             {"home/.local/share/Orvane/formula history.txt", "home/.local/share/orvane/cli_history"}},
            {"relative HOME is ignored", {{"HOME", "home"}}, "", {}},
#endif
            {"no folder at all", {}, "", {}},
        };
    for (const auto& [name, environment, file, formerFiles] : cases) {
        SCOPED_TRACE(name);
        const cHistoryLocation location = LocateHistoryFile(Environment(environment));
        EXPECT_EQ(location.file.empty() ? "" : Relative(location.file), file);
        tNames formers;
        for (const fs::path& former : location.formerFiles)
            formers.push_back(Relative(former));
        EXPECT_EQ(formers, formerFiles);
    }
}

TEST_F(ProgramFilesTest, DocumentationLocation) {
    const std::vector<std::tuple<const char*, std::vector<std::string>, const char*>> cases = {
        {"beside the program first",
         {"usr/bin/readme.txt", "usr/share/doc/orvane/readme.txt"},
         "usr/bin/readme.txt"},
        {"installed share/doc",
         {"usr/bin/", "usr/share/doc/orvane/readme.txt"},
         "usr/share/doc/orvane/readme.txt"},
        {"neither names the place beside the program", {"usr/bin/"}, "usr/bin/readme.txt"},
    };
    for (const auto& [name, made, expected] : cases) {
        SCOPED_TRACE(name);
        fs::remove_all(root_.Path());
        Make(made);
        EXPECT_EQ(Relative(LocateDocumentation(root_.Path() / "usr/bin")), expected);
    }
}

TEST_F(ProgramFilesTest, RunningProgramFolderHoldsThisTest) {
    const fs::path folder = RunningProgramFolder();
    EXPECT_TRUE(fs::exists(folder / "common_tests") || fs::exists(folder / "common_tests.exe")) << folder;
}

}  // namespace
