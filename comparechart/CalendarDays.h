#pragma once
// Days of several years side by side by calendar date: 366 slots, one for every
// date a year can hold. 29 February has a slot of its own that only leap years
// fill, so 1 March and every later date stand in the same slot in every year.

#include <array>
#include <optional>
#include <span>

namespace tellvane {

inline constexpr int kDaySlots = 366;
inline constexpr int kLeapDaySlot = 59;  ///< 29 February; 1 March is slot 60 in every year

/// One value or none for each calendar slot.
using DailySlots = std::array<std::optional<double>, kDaySlots>;

bool isLeapYear(int year);

/// The slot of month m, day d: 1 January is 0, 29 February 59, 31 December 365.
/// Fails with Subscript out of range for a date no year has.
int daySlot(int month, int day);

/// The slot of the first day of month m (1-12), or 366 for m = 13: the months' edges.
int monthFirstSlot(int month);

/// The year's values by day of the year (index 0 for 1 January, one for each of its
/// 365 or 366 days) set on their calendar slots; a common year leaves 29 February
/// empty. Fails with Subscript out of range when the count is not the year's.
DailySlots slotsByCalendar(int year, std::span<const std::optional<double>> byDayOfYear);

}  // namespace tellvane
