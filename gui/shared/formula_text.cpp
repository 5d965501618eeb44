// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula_text.h"

#include "engine/Parser_core.h"

std::optional<std::string> ToEngineText(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() > 255) return std::nullopt;
        result += static_cast<char>(c.unicode());
    }
    return result;
}

std::optional<double> NumberOfText(const QString& text) {
    const auto engineText = ToEngineText(text);
    if (!engineText) return std::nullopt;
    try {
        return ConvertDecimal(*engineText, true);
    } catch (const cConversionError&) {
        return std::nullopt;
    }
}

QString FromEngineText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

qsizetype FirstWideCharacter(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].unicode() > 255) return i;
    return -1;
}

QString CharacterName(const QString& text, qsizetype at) {
    const QChar first = text[at];
    const QChar second = at + 1 < text.size() ? text[at + 1] : QChar();
    const char32_t code = first.isHighSurrogate() && second.isLowSurrogate()
                              ? QChar::surrogateToUcs4(first, second)
                              : first.unicode();
    const QString shown = QString::fromUcs4(&code, 1);
    const QString hex = QStringLiteral("%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("\"%1\" (U+%2)").arg(shown, hex);
}
