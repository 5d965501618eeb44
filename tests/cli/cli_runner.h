// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real orvane-cli binary with arguments and standard input, and collects what it printed.
// cli_runner_posix.cpp starts it with fork and exec, cli_runner_windows.cpp with CreateProcess.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/test_folder.h"

struct cCliRun {
    int exitStatus = -1;  // -1 when a signal ended the program
    std::string out;
    std::string err;
};

// What a few tests change about the run.
struct cRunSetting {
    std::vector<std::string> environment;  // NAME=VALUE, added to the test's own environment
    std::string inputPath;                 // read this file (or folder) instead of the input text
    std::string outputPath;                // write standard output here instead of collecting it
    int signal = 0;                        // sent after signalDelayMs milliseconds (not on Windows)
    int signalDelayMs = 0;
};

// program: the orvane-cli to run; by default the one this build made.
cCliRun RunCli(const std::vector<std::string>& arguments, const std::string& input = "",
               const std::string& program = ORVANE_CLI_PATH, const cRunSetting& setting = {});

// The whole file, byte for byte; empty when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

// A file in the temporary folder with the given content, removed when the object goes: the runners
// pass the program's standard streams through such files.
class cTempFile {
public:
    explicit cTempFile(const std::string& content);
    ~cTempFile();
    cTempFile(const cTempFile&) = delete;
    cTempFile& operator=(const cTempFile&) = delete;

    const std::filesystem::path path;
};

// Some tests need what only POSIX systems have (FIFOs, signals, /dev and /proc, a shell); under
// Windows they say why and are skipped.
#ifdef _WIN32
inline constexpr bool WindowsBuild = true;
#else
inline constexpr bool WindowsBuild = false;
#endif

// Makes a FIFO; answers 0, or -1 where the system has none.
int MakeFifo(const std::string& path);
