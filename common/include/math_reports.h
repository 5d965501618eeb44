// The math library's reports within one calculation ("sqrt: DOMAIN error"): the first of each kind is
// shown at once, the others are only counted, and one summary gives the counts when the calculation
// ends. A sum over a thousand square roots of negative numbers so says it once, not a thousand times.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class cMathReportCounter {
public:
    // Counts a report and answers its text ("sqrt: DOMAIN error") when it is the first of its kind
    // since the last Reset; an empty text when it only counts.
    std::string Count(const char* function, const char* kind);

    // "sqrt: DOMAIN error, 1000 times", a line for each kind reported more than once, in the order they
    // were first reported; empty when there is none.
    std::string Summary() const;

    void Reset() { reports_.clear(); }

private:
    struct cReport {
        std::string text;
        std::uint64_t count;
    };
    std::vector<cReport> reports_;
};

// "%s: %s error", the text of one report.
std::string MathReportText(const char* function, const char* kind);
