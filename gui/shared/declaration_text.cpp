// SPDX-License-Identifier: GPL-3.0-or-later
#include "declaration_text.h"

#include "formula_text.h"

std::variant<std::string, cTextRefusal> DeclarationTextFromEdit(const QString& text, const QString& what) {
    QString joined = text;
    joined.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (const qsizetype wide = FirstWideCharacter(joined); wide >= 0)
        return cTextRefusal{
            QStringLiteral("Warning: The %1 contains the character %2, which cannot be stored: "
                           "a declaration holds only characters up to code 255. Nothing "
                           "has been changed.")
                .arg(what, CharacterName(joined, wide))};
    if (joined.size() > MaxDeclarationText)
        return cTextRefusal{
            QStringLiteral("Warning: The %1 is %2 characters long, but a declaration text can "
                           "hold at most %3. Nothing has been changed.")
                .arg(what)
                .arg(joined.size())
                .arg(MaxDeclarationText)};
    return *ToEngineText(joined);
}

QString DeclarationTextForDisplay(const std::string& text) {
    QString shown = FromEngineText(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}
