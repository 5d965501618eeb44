// SPDX-License-Identifier: GPL-3.0-or-later
// Temporary files and folders for the tests, each with a name of its own: ctest runs tests in
// parallel processes, and two of them must never share a file.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

// A path in the temporary folder that starts with namePrefix and ends with a random number.
inline std::filesystem::path UniqueTempPath(const std::string& namePrefix) {
    return std::filesystem::temp_directory_path() / (namePrefix + std::to_string(std::random_device{}()));
}

// A folder of its own for one test, removed with everything in it when the test ends, also when a
// failed assertion ends it early. namePrefix may hold blanks, to try paths with blanks.
class cTestFolder {
public:
    explicit cTestFolder(const std::string& namePrefix = "orvane-test-") : path_(UniqueTempPath(namePrefix)) {
        std::filesystem::create_directories(path_);
    }
    ~cTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    cTestFolder(const cTestFolder&) = delete;
    cTestFolder& operator=(const cTestFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Path(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
