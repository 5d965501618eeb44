#include "math_report_counter.h"

void cMathReportCounter::Count(const char* function, const char* kind, std::uint64_t point) {
    const std::string text = std::string(function) + ": " + kind + " error";
    for (auto& counted : kinds_) {
        if (counted.text != text) continue;
        if (counted.lastPoint != point) ++counted.points;
        counted.lastPoint = point;
        return;
    }
    kinds_.push_back({text, 1, point});
}

std::vector<std::string> cMathReportCounter::Lines() const {
    std::vector<std::string> lines;
    for (const auto& counted : kinds_)
        lines.push_back(counted.text + " at " + std::to_string(counted.points) +
                        (counted.points == 1 ? " point" : " points"));
    return lines;
}
