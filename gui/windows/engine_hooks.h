// SPDX-License-Identifier: GPL-3.0-or-later
// The handlers the main window installs in the engine's hooks before anything can reach the engine.
#pragma once

#include <cstdint>

class QIODevice;

#include "common/math_reports.h"

// Installs ProgressHandler, PollHandler, ReadHandler, WriteHandler and MathErrorHandler.
void InstallEngineHooks();

// Move count bytes between buffer and the library file of the cLibraryStreamScope that lives; answer
// the number moved (-1 with no file).
std::int32_t ReadHandler(void* buffer, std::int32_t count);
std::int32_t WriteHandler(const void* buffer, std::int32_t count);

// The library file that File > Open or File > Save reads or writes, handed to the read and write
// handlers for as long as the scope lives: the hooks see no file before or after the engine's call.
class cLibraryStreamScope {
public:
    explicit cLibraryStreamScope(QIODevice& file);
    ~cLibraryStreamScope();
    cLibraryStreamScope(const cLibraryStreamScope&) = delete;
    cLibraryStreamScope& operator=(const cLibraryStreamScope&) = delete;
};

// Shows the math library's report "function: KIND error" in a message box captioned "Orvane"; the
// calculation then goes on with the error value. Within a cMathReportScope only the first report of
// each kind is shown.
void MathErrorHandler(const char* function, const char* kind);

// One calculation's reports: the first of each kind shows at once, the repeats are counted, and one
// box gives the counts when the scope ends ("sqrt: DOMAIN error, 1000 times").
class cMathReportScope {
public:
    cMathReportScope();
    ~cMathReportScope();
    cMathReportScope(const cMathReportScope&) = delete;
    cMathReportScope& operator=(const cMathReportScope&) = delete;

    // Shows the box with the counts, if any report came more than once; the scope then counts anew.
    void ShowSummary();

private:
    cMathReportCounter counter_;
    cMathReportCounter* previous_;
};
