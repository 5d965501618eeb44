// SPDX-License-Identifier: GPL-3.0-or-later
// The math library's reports ("sqrt: DOMAIN error") counted instead of shown one by one. Within one
// calculation the first of each kind is shown at once and one summary gives the counts when it ends
// (a sum over a thousand square roots of negative numbers says it once, not a thousand times); over
// the points of a plot or a table each kind is said once, with the number of points it came from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class cMathReportCounter {
public:
    // Counts a report and answers its text when it is the first of its kind since the last Reset; an
    // empty text when it only counts. point: the serial number of the point being evaluated, when
    // there are points; several reports of one kind at the same point count as one point.
    std::string Count(const char* function, const char* kind, std::optional<std::uint64_t> point = {});

    // "sqrt: DOMAIN error, 1000 times", a line for each kind reported more than once, in the order they
    // were first reported; empty when there is none.
    std::string Summary() const;
    // "sqrt: DOMAIN error at 212 points", a line for each kind, in the order they were first reported.
    std::vector<std::string> PointLines() const;

    void Reset() { reports_.clear(); }

private:
    struct cReport {
        std::string function;
        std::string kind;
        std::string text;
        std::uint64_t count = 0;
        std::uint64_t points = 0;
        std::optional<std::uint64_t> lastPoint;
    };
    std::vector<cReport> reports_;
};

// "%s: %s error", the text of one report.
std::string MathReportText(const char* function, const char* kind);
