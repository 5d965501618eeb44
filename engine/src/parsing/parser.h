// SPDX-License-Identifier: GPL-3.0-or-later
// The parser's entry points inside the engine.
#pragma once

#include <string>
#include <string_view>

#include "engine/Parser_core.h"

// Deepest nesting of brackets, calls and operator levels the parser accepts: far above what a formula
// of 5000 characters can reach. Parsing stops earlier, with the same failure, when the stack of the
// running thread runs short (stack_guard.h), so that evaluating the tree has room too.
constexpr int MaxNestingDepth = 5000;

// The text a tree keeps: compacted, with character literals replaced by their codes.
std::string PrepareFormula(std::string_view formula);

// Turns a failure's positions in the prepared text of formula into positions in formula itself.
void PlaceInFormula(std::string_view formula, cParseFailure& failure);
// The same for positions in CompactText(text), whose literals are still as written.
void PlaceInUncompacted(std::string_view text, cParseFailure& failure);

// Parses a whole prepared text into a tree.
cNode ParseFormula(const std::string& preparedText);
