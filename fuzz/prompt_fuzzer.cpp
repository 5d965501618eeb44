// SPDX-License-Identifier: GPL-3.0-or-later
// Types random keys at orvane-cli's prompt through a pseudo-terminal, session after session, and
// keeps every session that ends by a signal or stops answering. libFuzzer cannot reach the line
// editor, which reads a terminal, so this drives the real program as a user's keyboard would:
// formula characters, quotes, control keys, and the escape sequences of arrows, Home, Delete and Meta.
//
//   prompt_fuzzer PROGRAM SECONDS [SEED]
//
// A kept session is written as prompt-crash-N (the keys, byte for byte) in the current folder; the
// exit status is the number of them. Best run on the sanitizer build of orvane-cli.
#include <pty.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Pieces a key sequence is made of, each as likely as the others.
const std::vector<std::string> Pieces = {"1",
                                         "2.5",
                                         "x",
                                         "a",
                                         "+",
                                         "-",
                                         "*",
                                         "/",
                                         "^",
                                         "(",
                                         ")",
                                         ";",
                                         "'",
                                         "\"",
                                         " ",
                                         "sin(",
                                         "sum('i';1;9;i)",
                                         "E",
                                         ",",
                                         ".",
                                         ":",
                                         ":m a",
                                         ":load ",
                                         ":const k=1",
                                         ":func f(x)=x",
                                         "#",
                                         "\\",
                                         "\t",
                                         "\r",
                                         "\x01",
                                         "\x02",
                                         "\x05",
                                         "\x06",
                                         "\x08",
                                         "\x0b",
                                         "\x0c",
                                         "\x0e",
                                         "\x10",
                                         "\x12",
                                         "\x14",
                                         "\x15",
                                         "\x16",
                                         "\x17",
                                         "\x18",
                                         "\x19",
                                         "\x1b",
                                         "\x1bx",
                                         "\x1bX",
                                         "\x1b:",
                                         "\x1b[A",
                                         "\x1b[B",
                                         "\x1b[C",
                                         "\x1b[D",
                                         "\x1b[H",
                                         "\x1b[F",
                                         "\x1b[3~",
                                         "\x1b[2~",
                                         "\x1b"
                                         "b",
                                         "\x1b"
                                         "f",
                                         "\x1b"
                                         "d",
                                         "\x1b\x7f",
                                         "\x7f",
                                         "\x03",
                                         "\x1a",
                                         "\xc3\xa9",
                                         "\xff",
                                         std::string(1, '\0')};

std::string RandomKeys(std::mt19937& random, std::size_t length) {
    std::uniform_int_distribution<std::size_t> pick(0, Pieces.size() - 1);
    std::string keys;
    while (keys.size() < length)
        keys += Pieces[pick(random)];
    return keys;
}

// Reads whatever the program shows for up to the given time, so that its terminal never fills.
void Drain(int terminal, std::chrono::milliseconds time) {
    const auto end = Clock::now() + time;
    char buffer[4096];
    while (Clock::now() < end) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(terminal, &readable);
        timeval wait{0, 10000};
        if (select(terminal + 1, &readable, nullptr, nullptr, &wait) > 0 &&
            read(terminal, buffer, sizeof buffer) <= 0)
            return;
    }
}

enum class ptOutcome { Ended, Crashed, Hung };

ptOutcome RunSession(const char* program, const std::string& home, const std::string& keys) {
    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child < 0) {
        std::perror("forkpty");
        std::exit(100);
    }
    if (child == 0) {
        setenv("HOME", home.c_str(), 1);
        setenv("TERM", "xterm", 1);
        unsetenv("XDG_DATA_HOME");
        // A sanitizer's report ends the program with a status of its own, told apart from the program's.
        setenv("ASAN_OPTIONS", "exitcode=99:detect_leaks=0", 0);
        setenv("UBSAN_OPTIONS", "halt_on_error=1:exitcode=99", 0);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    Drain(terminal, std::chrono::milliseconds(200));
    for (std::size_t at = 0; at < keys.size(); at += 16) {
        const std::string chunk = keys.substr(at, 16);
        if (write(terminal, chunk.data(), chunk.size()) < 0) break;
        Drain(terminal, std::chrono::milliseconds(2));
    }
    // Cancel what runs, clear the line, end the session.
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    int status = 0;
    pid_t done = 0;
    while ((done = waitpid(child, &status, WNOHANG)) == 0 && Clock::now() < deadline) {
        const char end[] = "\x03\x03\x04";
        if (write(terminal, end, sizeof end - 1) < 0) break;
        Drain(terminal, std::chrono::milliseconds(100));
    }
    if (done == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        close(terminal);
        return ptOutcome::Hung;
    }
    close(terminal);
    return WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) > 3) ? ptOutcome::Crashed
                                                                                 : ptOutcome::Ended;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: prompt_fuzzer PROGRAM SECONDS [SEED]\n");
        return 100;
    }
    const char* program = argv[1];
    const auto seconds = std::chrono::seconds(std::atol(argv[2]));
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::atol(argv[3])) : std::random_device{}();
    std::mt19937 random(seed);
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("prompt-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(home);

    const auto end = Clock::now() + seconds;
    int sessions = 0;
    int kept = 0;
    std::size_t typed = 0;
    std::uniform_int_distribution<std::size_t> length(16, 3000);
    while (Clock::now() < end) {
        const std::string keys = RandomKeys(random, length(random));
        const ptOutcome outcome = RunSession(program, home.string(), keys);
        ++sessions;
        typed += keys.size();
        if (outcome == ptOutcome::Ended) continue;
        const std::string name = "prompt-crash-" + std::to_string(++kept);
        std::ofstream(name, std::ios::binary) << keys;
        std::printf("%s: %s\n", name.c_str(), outcome == ptOutcome::Crashed ? "ended by a signal" : "hung");
    }
    std::filesystem::remove_all(home);
    std::printf("seed %u: %d sessions, %zu keys typed, %d kept\n", seed, sessions, typed, kept);
    return kept;
}
