#include "cli_runner.h"

#include <random>

cTestFolder::cTestFolder()
    : path_(std::filesystem::temp_directory_path() /
            ("orvane-cli-test-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path_);
}

cTestFolder::~cTestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
