#pragma once
// The period of a station's record: the years complete enough to count, and over
// them each characteristic value's mean, maximum and minimum, and for discharge
// the drought flow of about once in ten years. docs/record.md states the rules.

#include <array>
#include <optional>
#include <vector>

#include "record/YearRecord.h"
#include "records/StationRecords.h"

namespace tellvane {

/// One characteristic value over the period's years that reach it.
struct PeriodColumn {
    int years = 0;  ///< how many of the period's years reach the value
    std::optional<double> mean;
    std::optional<double> max;
    int maxYear = 0;  ///< the first year with the maximum; 0 when absent
    std::optional<double> min;
    int minYear = 0;  ///< the first year with the minimum; 0 when absent
};

struct RecordPeriod {
    int allowedMissingDays = 0;
    std::vector<int> years;    ///< the years that meet the completeness rule
    std::vector<int> leftOut;  ///< the years that miss it
    /// By StatSlot (slot 1 at index 0), as YearRecord::stats.
    std::array<PeriodColumn, 7> columns{};
    /// Discharge only: the drought10Rank-th smallest drought flow of the period's
    /// years; absent for water levels and with fewer than 10 years.
    std::optional<double> drought10;
    int drought10Rank = 0;  ///< floor(N / 10) of the N years with a drought flow; 0 below 10

    const PeriodColumn& column(StatSlot slot) const { return columns[static_cast<std::size_t>(slot - kStatMax)]; }
};

/// Whether a year counts in the period: at most allowedMissingDays days without data.
bool meetsCompleteness(const YearRecord& year, int allowedMissingDays);

/// The period of the years (in ascending order).
RecordPeriod summarisePeriod(const std::vector<YearRecord>& years, SeriesKind kind, int allowedMissingDays);

}  // namespace tellvane
