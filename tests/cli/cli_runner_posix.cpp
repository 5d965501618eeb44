// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_runner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

cCliRun RunCli(const std::vector<std::string>& arguments, const std::string& input,
               const std::string& program, const cRunSetting& setting) {
    const cTempFile in(input), out(""), err("");
    const std::string inputPath = setting.inputPath.empty() ? in.path.string() : setting.inputPath;
    const std::string outputPath = setting.outputPath.empty() ? out.path.string() : setting.outputPath;
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> argv;
        std::string path = program;
        argv.push_back(path.data());
        std::vector<std::string> copies(arguments);
        for (auto& argument : copies)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        // The program starts as from a shell, whatever the test runner ignores.
        for (const int signal : {SIGINT, SIGTERM, SIGPIPE})
            std::signal(signal, SIG_DFL);
        for (const std::string& assignment : setting.environment)
            putenv(strdup(assignment.c_str()));
        dup2(open(inputPath.c_str(), O_RDONLY), STDIN_FILENO);
        dup2(open(outputPath.c_str(), O_WRONLY | O_TRUNC), STDOUT_FILENO);
        dup2(open(err.path.c_str(), O_WRONLY | O_TRUNC), STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (setting.signal != 0) {
        usleep(static_cast<useconds_t>(setting.signalDelayMs) * 1000);
        kill(child, setting.signal);
    }
    int status = 0;
    waitpid(child, &status, 0);
    cCliRun run;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadWholeFile(out.path);
    run.err = ReadWholeFile(err.path);
    return run;
}

int MakeFifo(const std::string& path) {
    return mkfifo(path.c_str(), 0600);
}
