// SPDX-License-Identifier: GPL-3.0-or-later
#include "script.h"

#include <unistd.h>

#include <cstring>
#include <string>

#include "console.h"
#include "input_lines.h"

namespace {

// Before the program may wait for input, the results so far go out: a program that sends formulas
// through a pipe and waits for each answer must not wait for ever.
void FlushBeforeWaiting() {
    StandardOutput().Flush();
}

}  // namespace

int RunScript(cSession& session) {
    cLineReader reader(STDIN_FILENO, FlushBeforeWaiting);
    bool allSucceeded = true;
    cInputLine line;
    for (long number = 1; reader.Next(line); ++number) {
        SetMessageLine(number);
        if (line.tooLong) {
            StandardOutput().Line("<ERROR>");
            ReportMessage(LineTooLongMessage);
            allSucceeded = false;
        } else {
            allSucceeded &= session.RunLine(line.text);
        }
        if (StandardOutput().Failed()) return IoFailureStatus;
    }
    SetMessageLine(0);
    if (reader.Error() != 0) {
        ReportProgramMessage(std::string("standard input could not be read: ") +
                             std::strerror(reader.Error()));
        return IoFailureStatus;
    }
    return allSucceeded ? 0 : 1;
}
