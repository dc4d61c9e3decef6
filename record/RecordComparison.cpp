#include "record/RecordComparison.h"

#include <algorithm>

#include "common/Error.h"

namespace tellvane {

// The record and the chart lay the calendar out alike: one slot a date, 29 February
// at 59 in every year.
static_assert(kCalendarSlots == kDaySlots);

CompareInput comparisonOf(const StationRecord& record, int year) {
    const auto chosen =
        std::find_if(record.years.begin(), record.years.end(), [&](const YearRecord& y) { return y.year == year; });
    if (chosen == record.years.end()) throw Error::subscriptOutOfRange();
    CompareInput input;
    input.station = record.station;
    input.name = record.names.Kansokujo;
    input.waterSystem = record.names.Suikei;
    input.river = record.names.Kasen;
    input.discharge = record.kind == SeriesKind::Discharge;
    input.year = year;
    for (const YearRecord& y : record.years) input.years.push_back({y.year, y.daily});
    input.periodYears = record.period.years;
    input.yearValues = chosen->stats;
    for (std::size_t k = 0; k < input.periodValues.size(); ++k) input.periodValues[k] = record.period.columns[k].mean;
    return input;
}

}  // namespace tellvane
