// The texts both front ends show when a library file cannot be saved or loaded.
#pragma once

#include <cstdint>
#include <string>

// A library file could not be read or written.
extern const char* const FileOperationErrorText;

// The error text for a library loader's result: -2 to -5, or the position of a declaration that could
// not be interpreted. Empty for -1 (loaded) and for any other value.
std::string LoadFailureText(std::int32_t result);
