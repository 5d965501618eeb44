#include "formula_text.h"

std::optional<std::string> ToEngineText(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() > 255) return std::nullopt;
        result += static_cast<char>(c.unicode());
    }
    return result;
}

QString FromEngineText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
