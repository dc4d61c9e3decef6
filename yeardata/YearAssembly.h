#pragma once
// NenZu's assembly of the year: 36 ten-day blocks pulled from the host, condensed
// per day, gathered into the store with the statistics, the duration table and the
// value-axis range.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "yeardata/AnnualStore.h"
#include "yeardata/BlockArray.h"
#include "yeardata/BlockSyukei.h"

namespace tellvane {

/// Raises the host's block event with ret false; returns ret as the host left it.
/// datano is the assembly's own block counter, which the host may change.
using BlockRequest = std::function<bool(std::int32_t& datano, BlockArray& Suii)>;

enum class Assembly { Complete, BlockNotLoaded };

/// The values the assembly reads and writes live in the control, and the host may
/// change them during its events; they are therefore taken by reference.
struct YearValues {
    const std::u16string& Mode;
    std::u16string& txtMax;
    std::u16string& txtMin;
};

/// Empties the store and fills it from the host's blocks. BlockNotLoaded leaves the
/// days of the blocks that arrived, no statistics and the axis texts unchanged.
Assembly assembleYear(AnnualStore& store, YearValues values, const BlockRequest& request);

/// The readings of a day of month 1-12 as numbers; nullptr for a day without any.
using DayValues = std::function<const HourValues*(int month, int day)>;

/// The same assembly from readings a host holds as numbers rather than as text: the
/// year's days asked in order (monthDays[m - 1] days of month m), each aggregated as
/// BlockSyukei aggregates a block's day, the store filled as from blocks that hold
/// the readings' texts. For a host that never shows the blocks. Returns the readings
/// that counted (neither kNoReading nor -999).
long assembleYear(AnnualStore& store, YearValues values, const std::array<int, 12>& monthDays, const DayValues& day);

}  // namespace tellvane
