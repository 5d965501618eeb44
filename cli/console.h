// SPDX-License-Identifier: GPL-3.0-or-later
// Standard output and standard error as orvane-cli writes them.
//
// Results go to standard output through one buffer: on a terminal every line leaves at once, elsewhere
// the buffer leaves when it is full, before the program waits for input and at the end, so that a
// script's results go out in large writes while a program that talks to orvane-cli through pipes still
// gets each answer before it sends the next formula. A write that fails is remembered: the program
// then stops and says so, a full disk is never success.
#pragma once

#include <string>
#include <string_view>

// The exit status of a run that could not write its output or read its input.
inline constexpr int IoFailureStatus = 3;

class cOutput {
public:
    explicit cOutput(int descriptor);
    ~cOutput();
    cOutput(const cOutput&) = delete;
    cOutput& operator=(const cOutput&) = delete;

    void Write(std::string_view text);
    void Line(std::string_view text);
    // Answers false once any write has failed.
    bool Flush();
    bool Failed() const { return error_ != 0; }
    // The system's error number of the first failed write.
    int Error() const { return error_; }

private:
    void WriteOut(std::string_view text);

    int descriptor_;
    bool terminal_;
    int error_ = 0;
    std::string buffer_;
};

// The program's standard output.
cOutput& StandardOutput();

// Messages about the line in hand start with "line N: " in a script; 0 names no line.
void SetMessageLine(long number);

// Writes the line's name, text and a line end to standard error, after flushing standard output so that,
// where both go to one file, a message stands after the results of the lines before it.
void ReportMessage(std::string_view text);
// The same for the program as a whole ("orvane-cli: ...").
void ReportProgramMessage(std::string_view text);
