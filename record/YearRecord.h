#pragma once
// One station-year of the record: the year's characteristic values exactly as the
// control holds them, when and how fully the year is covered, its daily values by
// calendar date and its duration table.

#include <array>
#include <optional>
#include <vector>

#include "records/CivilDate.h"
#include "records/StationRecords.h"
#include "yeardata/AnnualStore.h"

namespace tellvane {

/// Days of a calendar laid out as in a leap year: slot 0 is 1 January, slot 59 is
/// 29 February (empty in other years), slot 365 is 31 December. The same date has
/// the same slot in every year, so years line up day by day.
inline constexpr int kCalendarSlots = 366;
/// The slot of a month (1-12) and day (1-31).
int calendarSlot(int month, int day);
/// The date of a slot in a year; nullopt for 29 February of a common year.
std::optional<CivilDate> slotDate(int year, int slot);

/// One step of the duration table: on `days` days the daily value was at least `value`.
struct DurationStep {
    double value = 0.0;
    int days = 0;

    bool operator==(const DurationStep&) const = default;
};

struct YearRecord {
    int year = 0;
    /// The seven characteristic values by StatSlot (slot 1 at index 0): the store's
    /// numbers, absent where the year does not reach the rank (or has no day).
    std::array<std::optional<double>, 7> stats{};
    /// The first date of the year's largest and smallest daily value.
    std::optional<CivilDate> maxDate{}, minDate{};
    int daysWithData = 0;
    int missingDays = 0;  ///< days of the calendar year without a daily value
    long hoursWithReadings = 0;
    /// Discharge only: the daily means times 86 400 s summed over the days with data,
    /// in 10^6 m^3; absent for water levels and for a year without a day.
    std::optional<double> runoff{};
    /// Each day's mean by calendar slot (see kCalendarSlots), absent without data.
    std::array<std::optional<double>, kCalendarSlots> daily{};
    /// The duration table as the store holds it, largest value first.
    std::vector<DurationStep> duration{};

    std::optional<double> stat(StatSlot slot) const { return stats[static_cast<std::size_t>(slot - kStatMax)]; }
};

/// The days with data a characteristic value needs: 1 for the maximum, minimum and
/// mean, the rank for the ranked values (95, 185, 275, 355).
int daysNeeded(StatSlot slot);

/// The year of the series (nullptr: none) assembled as the control assembles it,
/// with the control's Mode for the kind: "7" for discharge, "1" otherwise.
YearRecord recordYear(const Series* series, int year, SeriesKind kind);
/// The same, assembled in the store given: a caller recording many years keeps one
/// store rather than building one a year.
YearRecord recordYear(const Series* series, int year, SeriesKind kind, AnnualStore& store);

/// The record of a year already in the store (after a complete assembly); the
/// hours are the caller's, as they come from the readings, not the store.
YearRecord yearOfStore(const AnnualStore& store, int year, SeriesKind kind, long hoursWithReadings);

}  // namespace tellvane

namespace tellvane {

/// A month of the year's daily values, as the daily table's foot gives it.
struct MonthSummary {
    int daysWithData = 0;
    std::optional<double> mean;  ///< rounded as the control rounds the year's mean
    std::optional<double> max, min;
};

/// The month (1-12) of the year.
MonthSummary monthSummary(const YearRecord& year, int month);

}  // namespace tellvane
