// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's notes that say nothing a user can act on are not printed; every other message is.
#pragma once

// Installs the filter in front of Qt's message handler; call before the application object exists.
void QuietenHarmlessQtNotes();
