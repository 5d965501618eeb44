// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/program_files.h"

#include <cstdlib>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "common/engine_settings.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* ProgramFolderName = "orvane";
constexpr const char* HistoryFileName = "history";
constexpr const char* FormerDesktopHistory = "formula history.txt";
#ifdef _WIN32
constexpr const char* WindowsUninstallerName = "uninstall.exe";  // as named in scripts/orvane.nsi
#endif

fs::path WithoutTrailingSeparator(const fs::path& folder) {
    return folder.has_filename() ? folder : folder.parent_path();
}

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// A path from the environment counts only when it is absolute, as the XDG base directory rules say.
std::optional<fs::path> AbsolutePath(const std::optional<std::string>& text) {
    if (!text || text->empty()) return std::nullopt;
    fs::path path(*text);
    if (!path.is_absolute()) return std::nullopt;
    return path;
}

#ifdef _WIN32
std::optional<fs::path> UserConfigFolder(const cEnvironment& environment) {
    const auto appData = AbsolutePath(environment("APPDATA"));
    if (!appData) return std::nullopt;
    return *appData / "Orvane";
}

std::vector<fs::path> SystemConfigFolders(const cEnvironment&) {
    return {};
}

cHistoryLocation HistoryIn(const cEnvironment& environment) {
    const auto folder = UserConfigFolder(environment);
    if (!folder) return {};
    return {*folder / HistoryFileName, {*folder / FormerDesktopHistory}};
}
#else
std::optional<fs::path> UserConfigFolder(const cEnvironment& environment) {
    if (const auto configHome = AbsolutePath(environment("XDG_CONFIG_HOME")))
        return *configHome / ProgramFolderName;
    if (const auto home = AbsolutePath(environment("HOME"))) return *home / ".config" / ProgramFolderName;
    return std::nullopt;
}

std::vector<fs::path> SystemConfigFolders(const cEnvironment& environment) {
    std::vector<fs::path> folders;
    const std::string list = environment("XDG_CONFIG_DIRS").value_or("");
    std::string_view rest = list;
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        if (const auto folder = AbsolutePath(std::string(rest.substr(0, colon))))
            folders.push_back(*folder / ProgramFolderName);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    if (folders.empty()) folders.push_back(fs::path("/etc/xdg") / ProgramFolderName);
    return folders;
}

cHistoryLocation HistoryIn(const cEnvironment& environment) {
    std::optional<fs::path> dataHome = AbsolutePath(environment("XDG_DATA_HOME"));
    if (!dataHome) {
        const auto home = AbsolutePath(environment("HOME"));
        if (!home) return {};
        dataHome = *home / ".local" / "share";
    }
    const fs::path folder = *dataHome / ProgramFolderName;
    return {folder / HistoryFileName, {*dataHome / "Orvane" / FormerDesktopHistory, folder / "cli_history"}};
}
#endif

}  // namespace

std::optional<std::string> ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

fs::path RunningProgramFolder() {
#ifdef _WIN32
    std::wstring buffer(32768, L'\0');
    buffer.resize(GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size())));
    return fs::path(buffer).parent_path();
#else
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).parent_path();
#endif
}

bool IsInstalledProgram(const fs::path& programFolder) {
    const fs::path folder = WithoutTrailingSeparator(programFolder);
    std::error_code error;
#ifdef _WIN32
    // The installer puts its uninstaller beside the programs, in whatever folder the user chose.
    if (IsFile(folder / WindowsUninstallerName)) return true;
#endif
    return folder.filename() == "bin" && fs::is_directory(folder.parent_path() / "share", error);
}

cSettingsLocation LocateSettingsFile(const fs::path& programFolder, const cEnvironment& environment) {
    const fs::path besideProgram = WithoutTrailingSeparator(programFolder) / SettingsFileName;
    const auto userFolder = IsInstalledProgram(programFolder) ? UserConfigFolder(environment) : std::nullopt;
    if (!userFolder) return {besideProgram, besideProgram};

    const fs::path userFile = *userFolder / SettingsFileName;
    if (!IsFile(userFile)) {
        for (const fs::path& folder : SystemConfigFolders(environment))
            if (IsFile(folder / SettingsFileName)) return {folder / SettingsFileName, userFile};
    }
    return {userFile, userFile};
}

cHistoryLocation LocateHistoryFile(const cEnvironment& environment) {
    return HistoryIn(environment);
}

bool CreateFolderFor(const fs::path& path) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    return !error;
}

fs::path LocateDocumentation(const fs::path& programFolder) {
    const fs::path folder = WithoutTrailingSeparator(programFolder);
    const fs::path besideProgram = folder / "readme.txt";
    const fs::path installed = folder.parent_path() / "share" / "doc" / ProgramFolderName / "readme.txt";
    return !IsFile(besideProgram) && IsFile(installed) ? installed : besideProgram;
}
