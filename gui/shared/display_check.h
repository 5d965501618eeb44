// SPDX-License-Identifier: GPL-3.0-or-later
// Before the application object connects to a display: without one, Qt would abort with advice to
// reinstall. The program says instead what is missing and what works without a display.
#pragma once

#include <QStringList>
#include <optional>

// The status to end with when the windows cannot be shown for want of a display (the message is
// then on standard error); nothing when the program may go on. A picture export (--plot) needs no
// display: it is drawn offscreen when none is there. A platform chosen by the user (QT_QPA_PLATFORM,
// -platform) is left to Qt.
std::optional<int> AnswerMissingDisplay(const QStringList& arguments);

// The status the program ends with when it finds no display.
inline constexpr int NoDisplayStatus = 3;
