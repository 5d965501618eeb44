// SPDX-License-Identifier: GPL-3.0-or-later
// The texts both front ends show when declarations cannot be added or interpreted, and when a library
// file cannot be saved or loaded.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A library file could not be read or written.
extern const char* const FileOperationErrorText;

// A declaration table is full: nothing more can be added to it.
extern const char* const TableFullText;

// The error text for a library loader's result: one of the failures of ptLoadResult, or the position
// of a declaration that could not be interpreted. Empty for LoadSucceeded and for any other value.
std::string LoadFailureText(std::int32_t result);

// A warning when a constant's definition gives it a name that no formula can ever reach: a name of one
// character is always read as a variable, and a name is read only up to its first character that is
// not a letter a to z or '_' ("c0" stops at the digit). Nothing for a usable name. The declaration
// itself is still accepted.
std::optional<std::string> UnusableConstantNameWarning(std::string_view definition);

// "declaration N is invalid: DEFINITION", for a commit that failed at that position.
std::string InvalidDeclarationText(std::int32_t index, std::string_view definition);
