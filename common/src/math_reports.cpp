// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/math_reports.h"

std::string cMathReportCounter::Count(const char* function, const char* kind,
                                      std::optional<std::uint64_t> point) {
    // Compared by its parts: a report can come from every node of a long calculation, and forming
    // its text would allocate each time.
    for (cReport& report : reports_) {
        if (report.function != function || report.kind != kind) continue;
        ++report.count;
        if (!point || report.lastPoint != point) ++report.points;
        report.lastPoint = point;
        return std::string();
    }
    std::string text = MathReportText(function, kind);
    reports_.push_back({function, kind, text, 1, 1, point});
    return text;
}

std::string cMathReportCounter::Summary() const {
    std::string summary;
    for (const cReport& report : reports_) {
        if (report.count < 2) continue;
        if (!summary.empty()) summary += '\n';
        summary += report.text + ", " + std::to_string(report.count) + " times";
    }
    return summary;
}

std::vector<std::string> cMathReportCounter::PointLines() const {
    std::vector<std::string> lines;
    for (const cReport& report : reports_)
        lines.push_back(report.text + " at " + std::to_string(report.points) +
                        (report.points == 1 ? " point" : " points"));
    return lines;
}

std::string MathReportText(const char* function, const char* kind) {
    return std::string(function) + ": " + kind + " error";
}
