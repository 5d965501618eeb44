#include "declaration_text.h"

#include "formula_text.h"

namespace {

QString CharacterName(QChar first, QChar second) {
    const char32_t code = QChar::isSurrogate(first.unicode()) && QChar::isHighSurrogate(first.unicode())
                              ? QChar::surrogateToUcs4(first, second)
                              : first.unicode();
    const QString shown = QString::fromUcs4(&code, 1);
    const QString hex = QStringLiteral("%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("\"%1\" (U+%2)").arg(shown, hex);
}

}  // namespace

std::variant<std::string, cTextRefusal> DeclarationTextFromEdit(const QString& text, const QString& what) {
    QString joined = text;
    joined.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < joined.size(); ++i) {
        if (joined[i].unicode() <= 255) continue;
        const QChar next = i + 1 < joined.size() ? joined[i + 1] : QChar();
        return cTextRefusal{
            QStringLiteral("Warning: The %1 contains the character %2, which cannot be stored: "
                           "a declaration holds only characters up to code 255. Nothing "
                           "has been changed.")
                .arg(what, CharacterName(joined[i], next))};
    }
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
