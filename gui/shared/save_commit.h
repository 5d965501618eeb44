// SPDX-License-Identifier: GPL-3.0-or-later
// Ending a QSaveFile so that only a complete file takes the place of the old one.
#pragma once

class QSaveFile;

// Writes out what is still buffered and gives the file its name, replacing the old one; false when
// anything could not be written or nothing was, and then the old file stays as it was and the temporary
// file goes with the QSaveFile. QSaveFile::commit alone (Qt 6.4) renames even when its own last flush
// fails, as on a full disk, and so puts a cut-off file in the place of the old one.
bool CommitWholeFile(QSaveFile& file);
