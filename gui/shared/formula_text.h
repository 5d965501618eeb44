// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of the windows' Unicode texts to the engine's 8-bit texts.
#pragma once

#include <QString>
#include <optional>
#include <string>

// Every character up to code 255 becomes the byte of that code, at any length. A text with a
// character above 255 has no 8-bit form: nothing is answered.
std::optional<std::string> ToEngineText(const QString& text);

// The number the text is in the formula language's syntax, with a sign allowed; nothing when it is
// none (a character above 255 included).
std::optional<double> NumberOfText(const QString& text);

// The 8-bit text as the windows show it.
QString FromEngineText(const std::string& text);

// Where the first character above code 255 is, or -1 when the text has an 8-bit form.
qsizetype FirstWideCharacter(const QString& text);

// The character at that place as a message names it, "π" (U+03C0); a surrogate pair is one character.
QString CharacterName(const QString& text, qsizetype at);
