// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: orvane.exe is a program of the GUI subsystem, which starts without standard output and
// error when run from a console window. So that --help, --version and the messages of --plot ...
// --export appear there, it writes them to the console it was started from.
#pragma once

// Gives stdout and stderr, where they are missing, the console of the program that started this one;
// does nothing when that has none or the streams lead elsewhere (a file, a pipe).
void UseParentConsole();
