// Counts the math library's reports ("sqrt: DOMAIN error") over many evaluations, so that a plot or a
// table says each kind once ("sqrt: DOMAIN error at 212 points") instead of once per point.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class cMathReportCounter {
public:
    // A report made while evaluating the point with the given serial number. Several reports of one
    // kind at the same point count once.
    void Count(const char* function, const char* kind, std::uint64_t point);

    // One line per function and kind, in the order they first appeared.
    std::vector<std::string> Lines() const;
    bool Empty() const { return kinds_.empty(); }

private:
    struct cKind {
        std::string text;  // "sqrt: DOMAIN error"
        std::uint64_t points = 0;
        std::uint64_t lastPoint = 0;
    };
    std::vector<cKind> kinds_;
};
