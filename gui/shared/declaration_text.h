// SPDX-License-Identifier: GPL-3.0-or-later
// The declaration editor's texts and the engine's 8-bit texts. A definition or description is stored
// with its lines joined by CR LF, as it is written to library files; the windows show plain lines.
#pragma once

#include <QString>
#include <string>
#include <variant>

// The longest text the editor stores, in bytes.
inline constexpr qsizetype MaxDeclarationText = 4999;

// The reason a text cannot be stored, as a whole warning ("Warning: ...").
struct cTextRefusal {
    QString warning;
};

// The edit's text as the engine stores it: lines joined by CR LF, one byte per character. A character
// above code 255 or a text longer than MaxDeclarationText bytes is refused; what names the text in
// the warning ("definition", "description").
std::variant<std::string, cTextRefusal> DeclarationTextFromEdit(const QString& text, const QString& what);

// A stored text as an edit or memo shows it.
QString DeclarationTextForDisplay(const std::string& text);
