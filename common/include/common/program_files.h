// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's own files are: the folder of the running executable, the settings file it
// reads and the one its preferences write, and the documentation.
//
// A program run from its build tree or from an unpacked folder is portable: it keeps Orvane.ini
// beside itself. An installed program (its executable in a bin/ folder with a share/ folder beside
// it, as in /usr/bin and /usr/share; on Windows also a folder with the installer's uninstall.exe, as
// in Program Files) cannot count on writing there, so it keeps Orvane.ini in the user's config folder
// and, while the user has none, reads the system-wide default.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Looks up an environment variable: nothing when it is not set.
using cEnvironment = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> ProcessEnvironment(const char* name);

// The folder that holds the running executable.
std::filesystem::path RunningProgramFolder();

// Whether programFolder is the bin/ folder of an installed layout, or on Windows holds the installer's
// uninstall.exe. Decided by the files around the executable, not by write permission: root (and an
// administrator) can write anywhere.
bool IsInstalledProgram(const std::filesystem::path& programFolder);

struct cSettingsLocation {
    std::filesystem::path readPath;   // the file read at start and shown by the preferences
    std::filesystem::path writePath;  // the file the preferences write
};

// Portable: Orvane.ini beside the program, read and written. Installed: the user's
// $XDG_CONFIG_HOME/orvane/Orvane.ini (else ~/.config/orvane/Orvane.ini; on Windows the roaming
// application data folder), read from orvane/Orvane.ini in $XDG_CONFIG_DIRS (else /etc/xdg) while the
// user's file does not exist. Without a home folder the installed program stays portable.
cSettingsLocation LocateSettingsFile(const std::filesystem::path& programFolder,
                                     const cEnvironment& environment = ProcessEnvironment);

struct cHistoryLocation {
    std::filesystem::path file;                      // empty without a data folder: nothing is kept
    std::vector<std::filesystem::path> formerFiles;  // the histories of older versions
};

// The formula history both programs share: $XDG_DATA_HOME/orvane/history (else
// ~/.local/share/orvane/history; on Windows the roaming application data folder's Orvane). Former
// files: the desktop program's "formula history.txt" in the data folder's Orvane, and orvane-cli's
// cli_history in its orvane. Like XDG_DATA_HOME, a HOME or APPDATA that is not absolute is ignored:
// it would put the files in whatever folder the program was started from.
cHistoryLocation LocateHistoryFile(const cEnvironment& environment = ProcessEnvironment);

// Creates the folder that is to hold path; false when it cannot be made.
bool CreateFolderFor(const std::filesystem::path& path);

// readme.txt beside the program, else in the installed share/doc/orvane; the one beside the program
// when there is neither, so that a message names where it was looked for.
std::filesystem::path LocateDocumentation(const std::filesystem::path& programFolder);
