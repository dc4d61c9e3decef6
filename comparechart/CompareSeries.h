#pragma once
// The curves of the comparison, computed from its input: the other years' band for
// each calendar day, each year's duration curve, the period's median duration
// curve, and the range of every value drawn.

#include <optional>
#include <vector>

#include "comparechart/CompareInput.h"
#include "comparechart/Percentiles.h"

namespace tellvane {

using DayBands = std::array<std::optional<DayBand>, kDaySlots>;

struct DurationCurve {
    int year = 0;
    std::vector<double> values;  ///< the year's daily values, largest first
};

struct CompareSeries {
    DayBands bands{};                       ///< per slot, over the years other than the chosen one that have the day
    int otherYears = 0;                     ///< the years that feed the bands: the others with a day
    const CompareYear* chosen = nullptr;    ///< the chosen year, in the input
    std::vector<DurationCurve> durations;   ///< every year's, in the input's order
    std::vector<double> medianDuration;     ///< at each rank, the median over the period's years that reach it
    std::optional<double> lowest, highest;  ///< of every daily value of every year
};

/// The series of the input; fails with Subscript out of range when the chosen year
/// is not among its years.
CompareSeries compareSeries(const CompareInput& input);

/// A year's daily values, largest first: the ranked values of its duration curve.
std::vector<double> durationOf(const DailySlots& daily);

}  // namespace tellvane
