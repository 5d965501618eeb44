// SPDX-License-Identifier: GPL-3.0-or-later
// Text helpers that show declarations in lists and paste their names into a formula.
#pragma once

#include <string>

// The name part of a definition: the text before its first '=' once every character outside the
// codes 33 to 126 is gone, or the whole compacted text when there is no '='. For a function this is
// the head with its parameter list: "f(x; y) = x+y" gives "f(x;y)".
std::string DeclName(std::string text);

// The text as a list line of at most 15 characters: a longer text becomes its first 10 characters
// followed by "[...]".
std::string ListForm(std::string text);
