#pragma once
// What the comparison chart reads: a station's years by calendar date, the year
// chosen, and the seven characteristic values of that year and of the period.
// Plain values, so that any record can be drawn; the chart computes the rest.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "comparechart/CalendarDays.h"

namespace tellvane {

/// The seven characteristic values in the charts' order: maximum, 95th, 185th,
/// 275th and 355th largest daily value, minimum, mean; none where not reached.
using SevenValues = std::array<std::optional<double>, 7>;

/// One year of the record: its daily values on calendar slots.
struct CompareYear {
    int year = 0;
    DailySlots daily{};
};

struct CompareInput {
    std::u16string station;          ///< the station number
    std::u16string name;             ///< 観測所名
    std::u16string waterSystem;      ///< 水系名
    std::u16string river;            ///< 河川名
    bool discharge = false;          ///< daily discharge; else daily water level
    int year = 0;                    ///< the year drawn against the others
    std::vector<CompareYear> years;  ///< every year of the record, the chosen one among them
    std::vector<int> periodYears;    ///< the years the period's values cover
    SevenValues yearValues{};        ///< the chosen year's
    SevenValues periodValues{};      ///< the period's: the mean of each over its years
};

}  // namespace tellvane
