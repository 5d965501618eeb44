#include "math_reports.h"

std::string cMathReportCounter::Count(const char* function, const char* kind) {
    std::string text = MathReportText(function, kind);
    for (cReport& report : reports_) {
        if (report.text == text) {
            ++report.count;
            return std::string();
        }
    }
    reports_.push_back({text, 1});
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

std::string MathReportText(const char* function, const char* kind) {
    return std::string(function) + ": " + kind + " error";
}
