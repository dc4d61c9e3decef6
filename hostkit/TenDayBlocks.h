#pragma once
// What a host needs to answer GetBlockData: which days a block covers and how its
// cells are laid out. An argument outside the range given fails with the control's
// Subscript out of range (error 9), as an index into the year would.

#include <array>
#include <functional>
#include <string>

#include "yeardata/BlockArray.h"

namespace tellvane {

/// Days of month 1-12 of a year of the Gregorian calendar.
int daysInMonth(int year, int month);

/// The days of block datano (1-36): the ten-day parts are days 1-10, 11-20 and 21 to
/// the month's end.
struct BlockSpan {
    int month;
    int firstDay;
    int days;
};
BlockSpan blockSpan(int year, int datano);

/// The reading of an hour (1-24) of a day of the block's month; empty for none.
using HourReading = std::function<std::u16string(int day, int hour)>;

/// Cell (0, 0) the day count, row r the 24 readings of day firstDay + r - 1. The
/// span's month is 1-12 and its days (at most 11, the block's rows) lie within days
/// 1-31; Suii is left as it was when they do not.
void fillBlock(BlockArray& Suii, const BlockSpan& span, const HourReading& reading);

/// The 24 readings of a day (hours 1-24), for a host that holds them so.
using DayReadings = std::array<std::u16string, 24>;

/// The same, a day at a time: day(d) gives the readings of day d, nullptr for none;
/// it is asked once for each day of the span, in order.
/// Each cell is copied into the block's own string, so a year of blocks builds no
/// string of its own.
void fillBlock(BlockArray& Suii, const BlockSpan& span, const std::function<const DayReadings*(int day)>& day);

}  // namespace tellvane
