// SPDX-License-Identifier: GPL-3.0-or-later
// Replays golden files through the real orvane-cli: each case is one run of the program, given its
// options and lines of standard input, whose standard output, standard error and exit status must be
// exactly the ones written under it.
//
// A golden file is plain text. Cases are separated by blank lines; lines beginning with '#' are
// comments. Within a case:
//   $ OPTIONS   the command line (words split at blanks; '...' and "..." group words)
//   > TEXT      a line of standard input (a lone '>' is an empty line)
//   ! TEXT      a line the run prints on standard error
//   ? N         the exit status (0 when the case gives none)
//   | TEXT      a line on standard output, verbatim (for an empty line or one that looks like the above)
//   TEXT        any other line is a line on standard output
//
// Usage: golden_runner ORVANE_CLI FILE...
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace {

struct cCase {
    std::string file;
    int line = 0;
    std::vector<std::string> arguments;
    std::string input;
    std::string out;
    std::string err;
    int status = 0;
};

std::vector<std::string> SplitWords(const std::string& text);
std::vector<cCase> ReadCases(const std::string& path);
bool Check(const std::string& program, const cCase& c);

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::cerr << "usage: golden_runner ORVANE_CLI FILE...\n";
        return 2;
    }
    int cases = 0;
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        for (const cCase& c : ReadCases(argv[i])) {
            ++cases;
            if (!Check(argv[1], c)) ++failures;
        }
    }
    std::cout << cases - failures << " of " << cases << " cases passed\n";
    return failures == 0 && cases > 0 ? 0 : 1;
}

namespace {

std::vector<cCase> ReadCases(const std::string& path) {
    std::ifstream file(path);
    if (!file) std::cerr << path << ": cannot be read\n";
    std::vector<cCase> cases;
    std::optional<cCase> current;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty()) {
            if (current) cases.push_back(std::move(*current));
            current.reset();
            continue;
        }
        if (line[0] == '#') continue;
        if (!current) {
            current.emplace();
            current->file = path;
            current->line = number;
        }
        const std::string rest = line.size() > 2 ? line.substr(2) : std::string();
        switch (line[0]) {
            case '$':
                current->arguments = SplitWords(rest);
                break;
            case '>':
                current->input += rest + '\n';
                break;
            case '!':
                current->err += rest + '\n';
                break;
            case '?':
                current->status = std::stoi(rest);
                break;
            case '|':
                current->out += rest + '\n';
                break;
            default:
                current->out += line + '\n';
                break;
        }
    }
    if (current) cases.push_back(std::move(*current));
    return cases;
}

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (const char c : text) {
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            } else {
                word += c;
            }
        } else if (c == '\'' || c == '"') {
            quote = c;
            inWord = true;
        } else if (c == ' ') {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

// A console on Windows gets CR LF line ends: the golden files hold LF and take either.
std::string WithLineFeeds(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

bool Check(const std::string& program, const cCase& c) {
    cCliRun run = RunCli(c.arguments, c.input, program);
    run.out = WithLineFeeds(run.out);
    run.err = WithLineFeeds(run.err);
    if (run.out == c.out && run.err == c.err && run.exitStatus == c.status) return true;
    std::cout << c.file << ":" << c.line << ": case failed\n";
    if (run.out != c.out) std::cout << "--- expected output\n" << c.out << "--- actual output\n" << run.out;
    if (run.err != c.err) std::cout << "--- expected errors\n" << c.err << "--- actual errors\n" << run.err;
    if (run.exitStatus != c.status)
        std::cout << "--- exit status " << run.exitStatus << ", expected " << c.status << '\n';
    return false;
}

}  // namespace
