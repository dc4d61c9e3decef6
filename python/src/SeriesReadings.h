#pragma once
// Records made from a series of readings handed over as arrays: the times as
// nanoseconds since 1970-01-01 00:00 of the station's clock, and the values.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "records/StationRecords.h"

namespace tellvane::python {

/// The readings on the full hour, by the agency's hour-ending clock: a reading
/// stamped 01:00 is hour 1 of its day, one stamped 00:00 is hour 24 of the day
/// before. Readings at other times are left out; NaN is no reading. A time given
/// twice, or a value of kLargestReading or more, fails with InputError naming the
/// reading's position (from 1) as the line of "<series>".
StationRecords recordsOfReadings(const std::int64_t* nanoseconds, const double* values, std::size_t count,
                                 const std::u16string& station, SeriesKind kind,
                                 const std::optional<StationNames>& names);

}  // namespace tellvane::python
