// SPDX-License-Identifier: GPL-3.0-or-later
// What went wrong, in words: the detail that follows "parse error" or "calc error", and why a commit
// failed. Positions are said as "at character N", counting from 1 in the text as typed.
#pragma once

#include <exception>
#include <string>

#include "engine/Parser_core.h"

// "unknown function "foo" at character 4", "bracket without partner at character 9",
// "number "1.2.3" not understood at character 1", ...
std::string ParseFailureDetail(const cParseFailure& failure);

// "division by zero", "overflow", "invalid operation", "calls nested too deeply", "calculation
// cancelled", for any failure an evaluation can raise.
std::string CalcFailureDetail(const std::exception& failure);

// Why the declaration a failed commit answered could not be interpreted (LastCommitFailure), in the
// words of ParseFailureDetail, and the characters concerned in its definition as stored (-1 when not
// known); an empty detail when nothing is known.
struct cCommitFailure {
    std::string detail;
    int first = -1;
    int last = -1;
    bool outOfMemory = false;  // no fault of the declaration: a library load then says so instead
};
cCommitFailure DescribeCommitFailure();
