// SPDX-License-Identifier: GPL-3.0-or-later
// Declaring, loading and saving as both the command line's options and the ':' commands do it. Each
// operation tells ReportMessage why it failed and answers false; nothing is changed then.
#pragma once

#include <string>
#include <vector>

#include "engine/Parser_core.h"

struct cDeclaration {
    std::string definition;
    std::string description;
};

// Adds the declarations to the live ones of their kind and commits them all, as the declaration editor
// does. A constant whose name no formula can reach is accepted with a warning.
bool Declare(const std::vector<cDeclaration>& declarations, const cDeclarationOperations& kind);

// Loads a constant or function library; the kind comes from the file.
bool LoadLibrary(const std::string& path);

bool SaveLibrary(const std::string& path, const cDeclarationOperations& kind);
