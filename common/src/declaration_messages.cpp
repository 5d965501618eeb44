// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/declaration_messages.h"

#include "common/orvane_utils.h"
#include "engine/Parser_core.h"

const char* const FileOperationErrorText =
    "Error: While trying to perform file operations, Orvane encountered an error. You may want to "
    "restart windows.";

const char* const TableFullText =
    "Warning: It is not possible to add anything more. The memory area which is reserved for this purpose "
    "is full. You can avoid this by setting a larger value in the preferences.";

std::string LoadFailureText(std::int32_t result) {
    switch (result) {
        case LoadShortRead:
            return FileOperationErrorText;
        case LoadTableFull:
            return "Error: The loading process of this library has been canceled. The memory area which is "
                   "reserved for this purpose is full. You can avoid this by setting a larger value in the "
                   "preferences.";
        case LoadNotALibrary:
            return "Error: This is not a valid Orvane library file.";
        case LoadOtherVersion:
            return "Error: This library cannot be read, because it was created by a version of Orvane which "
                   "uses another file format for libraries. You may want to upgrate to an appropriate "
                   "version.";
        default:
            if (result < 0) return std::string();
            return "Error: While trying to load this library, Orvane has found an invalid declaration. The "
                   "library cannot be loaded. You may want to contact the person who supplied this "
                   "library.\n(declaration " +
                   std::to_string(result) + ")";
    }
}

std::string InvalidDeclarationText(std::int32_t index, std::string_view definition) {
    // Counted from 1, as the lists and the editor show them.
    return "declaration " + std::to_string(index + 1) + " is invalid: " + std::string(definition);
}

std::optional<std::string> UnusableConstantNameWarning(std::string_view definition) {
    const std::string name = DeclName(std::string(definition));
    const auto warning = [&](const char* why) {
        return "Warning: The constant \"" + name + "\" can never be used in a formula: " + why +
               ". The declaration is kept.";
    };
    if (name.size() == 1) return warning("a name of one character is always read as a variable");
    if (name.empty() || IsNumberStart(name[0]))
        return warning("a name must not begin with a digit or a point");
    for (std::size_t i = 1; i < name.size(); ++i)
        if (!IsNameChar(name[i]))
            return warning("after its first character a name has only the letters a to z and \"_\"");
    return std::nullopt;
}
