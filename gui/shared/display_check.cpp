// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_check.h"

#include <QtGlobal>

#include "command_line.h"

namespace {

bool AsksForPicture(const QStringList& arguments) {
    for (const QString& argument : arguments)
        if (argument == QStringLiteral("--plot") || argument.startsWith(QStringLiteral("--plot=")))
            return true;
    return false;
}

bool PlatformChosen(const QStringList& arguments) {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           arguments.contains(QStringLiteral("-platform")) ||
           arguments.contains(QStringLiteral("--platform"));
}

// Only X11 and Wayland desktops are found through the environment; elsewhere (Windows, macOS) the
// program always has its screen.
bool DisplayPresent() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

}  // namespace

std::optional<int> AnswerMissingDisplay(const QStringList& arguments) {
    if (PlatformChosen(arguments) || DisplayPresent()) return std::nullopt;
    if (AsksForPicture(arguments)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::nullopt;
    }
    Print(stderr,
          QStringLiteral("orvane: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                         "Start it in a desktop session. Without one, orvane --plot ... --export FILE draws "
                         "pictures and orvane-cli calculates.\n"));
    return NoDisplayStatus;
}
