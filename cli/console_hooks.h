// The engine's outward hooks as a console program has them: math-library reports on standard error,
// and a one-line progress display on standard error when it is a terminal.
#pragma once

void InstallConsoleHooks();
