// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's outward hooks as a console program has them: math-library reports on standard error,
// a one-line progress display on standard error when it is a terminal, and in interactive mode a
// Ctrl-C that cancels the work in hand.
#pragma once

void InstallConsoleHooks();
// Lets Ctrl-C cancel calculations, commits, loads and saves: checked at every progress report and in
// the engine's quiet stretches.
void InstallCancellingHooks();
