// SPDX-License-Identifier: GPL-3.0-or-later
// What Tab completes in interactive mode: the commands at the start of a line, elsewhere the
// keywords, built-in functions, constants and user functions whose names begin with the word before
// the cursor.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct cCompletion {
    std::string insert;                // what to add after the cursor
    std::vector<std::string> choices;  // the names to show when the word fits several and nothing is added
};

// lineBeforeCursor is the text from the line's start to the cursor. A call completes with "(" (a
// function without arguments with "()"), since a name alone would be a constant or a variable.
cCompletion Complete(std::string_view lineBeforeCursor);
