// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/plot_range.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr double LowPercentile = 0.02;
constexpr double HighPercentile = 0.98;
// How far beyond the percentiles the extremes may lie and still be shown.
constexpr double ReachOut = 0.5;
constexpr double Margin = 0.05;

}  // namespace

cRange AutomaticYRange(std::vector<double> values) {
    std::erase_if(values, [](double v) { return !std::isfinite(v); });
    if (values.empty()) return {-1.0, 1.0};
    std::sort(values.begin(), values.end());
    const auto last = static_cast<double>(values.size() - 1);
    const double bulkLow = values[static_cast<std::size_t>(std::floor(LowPercentile * last))];
    const double bulkHigh = values[static_cast<std::size_t>(std::ceil(HighPercentile * last))];
    const double bulk = bulkHigh - bulkLow;
    const double low = values.front() >= bulkLow - ReachOut * bulk ? values.front() : bulkLow;
    const double high = values.back() <= bulkHigh + ReachOut * bulk ? values.back() : bulkHigh;
    if (!(high > low)) return {low - 1.0, high + 1.0};
    const double margin = Margin * (high - low);
    if (!std::isfinite(margin) || !std::isfinite(low - margin) || !std::isfinite(high + margin))
        return {low, high};
    return {low - margin, high + margin};
}
