#include "record/RecordPeriod.h"

#include <algorithm>

#include "common/Rounding.h"

namespace tellvane {
namespace {

constexpr int kDroughtReturnYears = 10;

PeriodColumn columnOf(const std::vector<const YearRecord*>& years, std::size_t index) {
    PeriodColumn c;
    double total = 0.0;
    for (const YearRecord* y : years) {
        const std::optional<double> v = y->stats[index];
        if (!v) continue;
        c.years += 1;
        total += *v;
        // Strict comparisons: the first year keeps a tie.
        if (!c.max || *v > *c.max) c.max = *v, c.maxYear = y->year;
        if (!c.min || *v < *c.min) c.min = *v, c.minYear = y->year;
    }
    // Rounded as the control rounds the year's own mean.
    if (c.years > 0) c.mean = Round2(total / c.years);
    return c;
}

}  // namespace

bool meetsCompleteness(const YearRecord& year, int allowedMissingDays) {
    return year.missingDays <= allowedMissingDays;
}

RecordPeriod summarisePeriod(const std::vector<YearRecord>& years, SeriesKind kind, int allowedMissingDays) {
    RecordPeriod p;
    p.allowedMissingDays = allowedMissingDays;
    std::vector<const YearRecord*> counted;
    for (const YearRecord& y : years) {
        (meetsCompleteness(y, allowedMissingDays) ? p.years : p.leftOut).push_back(y.year);
        if (meetsCompleteness(y, allowedMissingDays)) counted.push_back(&y);
    }
    for (std::size_t i = 0; i < p.columns.size(); ++i) p.columns[i] = columnOf(counted, i);
    if (kind != SeriesKind::Discharge) return p;

    std::vector<double> droughts;
    for (const YearRecord* y : counted)
        if (const auto v = y->stat(kStatDrought)) droughts.push_back(*v);
    const auto n = static_cast<int>(droughts.size());
    if (n < kDroughtReturnYears) return p;
    p.drought10Rank = n / kDroughtReturnYears;
    std::sort(droughts.begin(), droughts.end());
    p.drought10 = droughts[static_cast<std::size_t>(p.drought10Rank - 1)];
    return p;
}

}  // namespace tellvane
