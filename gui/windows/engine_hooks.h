// The handlers the main window installs in the engine's hooks before anything can reach the engine.
#pragma once

#include <cstdint>

#include "math_reports.h"

// Installs ProgressHandler, PollHandler, ReadHandler, WriteHandler and MathErrorHandler.
void InstallEngineHooks();

// Move count bytes between buffer and the main window's open library file; answer the number moved.
std::int32_t ReadHandler(void* buffer, std::int32_t count);
std::int32_t WriteHandler(const void* buffer, std::int32_t count);

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
