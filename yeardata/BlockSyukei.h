#pragma once

#include <array>
#include <limits>
#include <optional>
#include <string>

#include "yeardata/BlockArray.h"

namespace tellvane {

/// Condenses every day of the block into its aggregates (columns 25-29) as
/// two-decimal text. A reading is missing when its text is empty or reads exactly
/// -999; any other text is valid with its leading number. Mode "4" adds the day's
/// mid-range. Fails with Type mismatch when cell (0, 0) is no number and with
/// Subscript out of range when it claims 12 days or more.
void BlockSyukei(BlockArray& Suii, const std::u16string& mode);

/// The readings of hours 1-24 of a day as numbers, hour 1 first: each the leading
/// number of its text, kNoReading where the text is empty.
using HourValues = std::array<double, 24>;
inline constexpr double kNoReading = std::numeric_limits<double>::quiet_NaN();

/// A day's aggregates as numbers, each absent where no reading counts towards it
/// (the mid-range also without mode "4" and with a single reading).
struct DayAggregates {
    std::optional<double> sum, mean, sixEighteen, evenHours, midRange;
    int readings = 0;  ///< the readings that counted
};

/// The aggregates BlockSyukei writes for a day of these readings, before they become
/// text: -999 and kNoReading are missing. Fails with Overflow as BlockSyukei does.
DayAggregates aggregateReadings(const HourValues& readings, bool midRange);

/// Whether the mode asks for the mid-range.
inline bool wantsMidRange(const std::u16string& mode) { return mode == u"4"; }

}  // namespace tellvane
