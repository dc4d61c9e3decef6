#include "comparechart/CompareSeries.h"

#include <algorithm>
#include <functional>

#include "common/Error.h"

namespace tellvane {
namespace {

DayBands bandsOfOthers(const CompareInput& input, int& others) {
    DayBands bands{};
    others = static_cast<int>(std::count_if(input.years.begin(), input.years.end(), [&](const CompareYear& y) {
        return y.year != input.year &&
               std::any_of(y.daily.begin(), y.daily.end(), [](const auto& v) { return v.has_value(); });
    }));
    std::vector<double> day;
    for (int slot = 0; slot < kDaySlots; ++slot) {
        day.clear();
        for (const CompareYear& y : input.years)
            if (y.year != input.year && y.daily[static_cast<std::size_t>(slot)])
                day.push_back(*y.daily[static_cast<std::size_t>(slot)]);
        if (!day.empty()) bands[static_cast<std::size_t>(slot)] = bandOf(day);
    }
    return bands;
}

// A rank only some of the period's years reach (the 366th of a leap year, or the
// last of a year with missing days) takes the median of those that do.
std::vector<double> medianByRank(const std::vector<DurationCurve>& curves, const std::vector<int>& period) {
    std::vector<double> medians, atRank;
    for (std::size_t rank = 0;; ++rank) {
        atRank.clear();
        for (const DurationCurve& c : curves)
            if (rank < c.values.size() && std::find(period.begin(), period.end(), c.year) != period.end())
                atRank.push_back(c.values[rank]);
        if (atRank.empty()) return medians;
        std::sort(atRank.begin(), atRank.end());
        medians.push_back(percentileOfSorted(atRank, 0.5));
    }
}

}  // namespace

std::vector<double> durationOf(const DailySlots& daily) {
    std::vector<double> values;
    for (const auto& v : daily)
        if (v) values.push_back(*v);
    std::sort(values.begin(), values.end(), std::greater<>());
    return values;
}

CompareSeries compareSeries(const CompareInput& input) {
    CompareSeries s;
    const auto chosen = std::find_if(input.years.begin(), input.years.end(),
                                     [&](const CompareYear& y) { return y.year == input.year; });
    if (chosen == input.years.end()) throw Error::subscriptOutOfRange();
    s.chosen = &*chosen;
    s.bands = bandsOfOthers(input, s.otherYears);
    for (const CompareYear& y : input.years) {
        s.durations.push_back({y.year, durationOf(y.daily)});
        const std::vector<double>& v = s.durations.back().values;
        if (v.empty()) continue;
        s.highest = std::max(s.highest.value_or(v.front()), v.front());
        s.lowest = std::min(s.lowest.value_or(v.back()), v.back());
    }
    s.medianDuration = medianByRank(s.durations, input.periodYears);
    return s;
}

}  // namespace tellvane
