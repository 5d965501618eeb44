#include "cli_runner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

class cTempFile {
public:
    explicit cTempFile(const std::string& content) {
        char pattern[] = "/tmp/orvane-cli-test-XXXXXX";
        const int fd = mkstemp(pattern);
        path = pattern;
        if (fd >= 0) {
            if (!content.empty() && write(fd, content.data(), content.size()) < 0) std::perror("write");
            close(fd);
        }
    }
    ~cTempFile() { std::remove(path.c_str()); }
    std::string path;
};

}  // namespace

cCliRun RunCli(const std::vector<std::string>& arguments, const std::string& input,
               const std::string& program, const cRunSetting& setting) {
    cTempFile in(input), out(""), err("");
    const std::string& inputPath = setting.inputPath.empty() ? in.path : setting.inputPath;
    const std::string& outputPath = setting.outputPath.empty() ? out.path : setting.outputPath;
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
    run.out = ReadWhole(out.path);
    run.err = ReadWhole(err.path);
    return run;
}

int MakeFifo(const std::string& path) {
    return mkfifo(path.c_str(), 0600);
}
