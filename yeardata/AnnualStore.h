#pragma once
// The year as NenZu assembles it and every chart reads it.

#include <cstdint>
#include <string>

#include "common/Table.h"

namespace tellvane {

/// Slots of AnnualStore::Stats.
enum StatSlot : int {
    kStatMax = 1,
    kStatHigh = 2,     ///< 95th largest daily value (豊水)
    kStatNormal = 3,   ///< 185th largest (平水)
    kStatLow = 4,      ///< 275th largest (低水)
    kStatDrought = 5,  ///< 355th largest (渇水)
    kStatMin = 6,
    kStatMean = 7,
};

struct AnnualStore {
    /// Each day's mean as two-decimal text, or empty; months 1-12 by days 1-31 used.
    Table2<std::u16string, 0, 12, 0, 31> DayTable;
    /// Slots 1-7 as StatSlot names them; a slot the year does not reach stays 0.
    Table<double, 0, 7> Stats;
    /// Entries 1..L: the distinct daily values, largest first.
    Table<double, 0, 367> DurValue;
    /// Entries 1..L: on how many days the value was at least DurValue; the first
    /// count that is not positive ends the table.
    Table<std::int32_t, 0, 367> DurDays;

    void clear() {
        DayTable.fill(std::u16string());
        Stats.fill(0.0);
        DurValue.fill(0.0);
        DurDays.fill(0);
    }
};

}  // namespace tellvane
