// SPDX-License-Identifier: GPL-3.0-or-later
#include "console.h"

#include <unistd.h>

#include <cerrno>

#include "terminal.h"

namespace {

constexpr std::size_t BufferSize = 64 * 1024;

long MessageLine = 0;

// Writes all of text, going on after interruptions and partial writes; answers 0 or the error number.
int WriteAll(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(descriptor, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

void WriteMessage(std::string_view prefix, std::string_view text) {
    StandardOutput().Flush();
    std::string message(prefix);
    message += text;
    static const bool terminal = IsTerminal(STDERR_FILENO);
    message += terminal ? TerminalLineEnd() : "\n";
    WriteAll(STDERR_FILENO, message);  // where standard error fails there is nowhere left to say so
}

}  // namespace

cOutput::cOutput(int descriptor) : descriptor_(descriptor), terminal_(IsTerminal(descriptor)) {
    buffer_.reserve(BufferSize);
}

cOutput::~cOutput() {
    Flush();
}

void cOutput::Write(std::string_view text) {
    if (Failed()) return;
    if (buffer_.size() + text.size() > BufferSize) {
        Flush();
        if (text.size() > BufferSize) {
            WriteOut(text);
            return;
        }
    }
    buffer_ += text;
}

void cOutput::Line(std::string_view text) {
    Write(text);
    if (!terminal_) {
        Write("\n");
        return;
    }
    Write(TerminalLineEnd());
    Flush();
}

bool cOutput::Flush() {
    if (!buffer_.empty() && !Failed()) WriteOut(buffer_);
    buffer_.clear();
    return !Failed();
}

void cOutput::WriteOut(std::string_view text) {
    error_ = WriteAll(descriptor_, text);
}

cOutput& StandardOutput() {
    static cOutput output(STDOUT_FILENO);
    return output;
}

void SetMessageLine(long number) {
    MessageLine = number;
}

void ReportMessage(std::string_view text) {
    WriteMessage(MessageLine > 0 ? "line " + std::to_string(MessageLine) + ": " : std::string(), text);
}

void ReportProgramMessage(std::string_view text) {
    WriteMessage("orvane-cli: ", text);
}
