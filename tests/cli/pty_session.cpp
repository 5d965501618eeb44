// SPDX-License-Identifier: GPL-3.0-or-later
#include "pty_session.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

cPtySession::cPtySession(const std::vector<std::string>& environment) {
    winsize size{};
    size.ws_row = 24;
    size.ws_col = 80;
    child_ = forkpty(&terminal_, nullptr, nullptr, &size);
    if (child_ == 0) {
        for (const int signal : {SIGINT, SIGTERM, SIGPIPE})
            std::signal(signal, SIG_DFL);
        for (const std::string& assignment : environment)
            putenv(strdup(assignment.c_str()));
        execl(ORVANE_CLI_PATH, ORVANE_CLI_PATH, static_cast<char*>(nullptr));
        _exit(127);
    }
}

cPtySession::~cPtySession() {
    if (child_ > 0) {
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }
    if (terminal_ >= 0) close(terminal_);
}

void cPtySession::Type(std::string_view keys) {
    // What the program echoes is read while a long line is typed: with the terminal's buffer full
    // it would stop taking keys, and a blocking write would wait for ever.
    const int flags = fcntl(terminal_, F_GETFL);
    fcntl(terminal_, F_SETFL, flags | O_NONBLOCK);
    while (!keys.empty()) {
        pollfd ready{terminal_, POLLIN | POLLOUT, 0};
        if (poll(&ready, 1, 10000) <= 0) break;
        if ((ready.revents & POLLIN) != 0) ReadScreen();
        const ssize_t written = write(terminal_, keys.data(), keys.size());
        if (written > 0) keys.remove_prefix(static_cast<std::size_t>(written));
        if (written < 0 && errno != EAGAIN && errno != EINTR) break;
    }
    fcntl(terminal_, F_SETFL, flags);
}

bool cPtySession::ReadScreen() {
    char buffer[4096];
    const ssize_t got = read(terminal_, buffer, sizeof buffer);
    if (got > 0) screen_.append(buffer, static_cast<std::size_t>(got));
    return got > 0;
}

bool cPtySession::WaitForLineEditor(bool editing, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    termios modes{};
    // The line editor reads keys one by one: the terminal's own line mode is off while it edits.
    while (tcgetattr(terminal_, &modes) == 0 && ((modes.c_lflag & ICANON) != 0) == editing) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        usleep(1000);
    }
    return true;
}

bool cPtySession::WaitFor(std::string_view text, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (const auto found = screen_.find(text, matched_); found != std::string::npos) {
            matched_ = found + text.size();
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd ready{terminal_, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) continue;
        if (!ReadScreen()) return false;  // the program has ended
    }
}

void cPtySession::Signal(int number) {
    kill(child_, number);
}

int cPtySession::WaitForExit() {
    // A program that does not end in time is ended, so that the test fails instead of hanging.
    int status = 0;
    for (int waited = 0; waitpid(child_, &status, WNOHANG) == 0; waited += 10) {
        if (waited >= 10000) {
            kill(child_, SIGKILL);
            waitpid(child_, &status, 0);
            break;
        }
        usleep(10000);
    }
    child_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
