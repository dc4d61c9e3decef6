#include "comparechart/Percentiles.h"

#include <algorithm>
#include <cmath>

#include "common/Error.h"

namespace tellvane {

double percentileOfSorted(std::span<const double> sorted, double p) {
    if (sorted.empty() || !(p >= 0 && p <= 1)) throw Error::subscriptOutOfRange();
    const double h = static_cast<double>(sorted.size() - 1) * p;
    const auto below = static_cast<std::size_t>(std::floor(h));
    if (below + 1 >= sorted.size()) return sorted.back();
    return sorted[below] + (h - static_cast<double>(below)) * (sorted[below + 1] - sorted[below]);
}

DayBand bandOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto at = [&](double p) { return percentileOfSorted(values, p); };
    return {static_cast<int>(values.size()),
            values.front(),
            at(0.10),
            at(0.25),
            at(0.50),
            at(0.75),
            at(0.90),
            values.back()};
}

}  // namespace tellvane
