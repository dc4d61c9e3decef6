#pragma once
// Percentiles of a day's values across years, by linear interpolation between
// order statistics (Hyndman and Fan's type 7, the default of R and numpy): for n
// sorted values x[0..n-1] and p in [0, 1], h = (n - 1) p and the percentile is
// x[floor h] + (h - floor h) (x[floor h + 1] - x[floor h]).

#include <span>
#include <vector>

namespace tellvane {

/// The p-percentile (p from 0 to 1) of values sorted ascending; at least one value.
double percentileOfSorted(std::span<const double> sorted, double p);

/// A day's spread across years.
struct DayBand {
    int count = 0;  ///< the years that have the day
    double min = 0, p10 = 0, p25 = 0, median = 0, p75 = 0, p90 = 0, max = 0;
};

/// The band of one or more values, in any order.
DayBand bandOf(std::vector<double> values);

}  // namespace tellvane
