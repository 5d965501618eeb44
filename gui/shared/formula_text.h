// Conversion of the windows' Unicode texts to the engine's 8-bit texts.
#pragma once

#include <QString>
#include <optional>
#include <string>

// Every character up to code 255 becomes the byte of that code, at any length. A text with a
// character above 255 has no 8-bit form: nothing is answered.
std::optional<std::string> ToEngineText(const QString& text);

// The 8-bit text as the windows show it.
QString FromEngineText(const std::string& text);
