// SPDX-License-Identifier: GPL-3.0-or-later
// Texts and fonts that several windows share.
#pragma once

#include <QFont>
#include <QString>

// The application title: the caption of every simple message box.
inline const QString ApplicationTitle = QStringLiteral("Orvane");
// The main window's caption.
inline const QString ProgramCaption = QStringLiteral("Orvane 2.1.1");

// The windows' text font, 8 pt at 96 dpi (the Windows "MS Sans Serif" look), with look-alikes for
// systems without it.
QFont DialogFont();
// The fixed-pitch font of the formula and the result, 14 pixels high.
QFont FormulaFont();
