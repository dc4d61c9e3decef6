#include "comparechart/CalendarDays.h"

#include "common/Error.h"

namespace tellvane {
namespace {

// Days before each month in the 366-slot calendar (a February of 29 days), and the
// end of December.
constexpr std::array<int, 13> kSlotsBefore = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366};

}  // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int monthFirstSlot(int month) {
    if (month < 1 || month > 13) throw Error::subscriptOutOfRange();
    return kSlotsBefore[static_cast<std::size_t>(month - 1)];
}

int daySlot(int month, int day) {
    if (month < 1 || month > 12 || day < 1) throw Error::subscriptOutOfRange();
    const int slot = monthFirstSlot(month) + day - 1;
    if (slot >= monthFirstSlot(month + 1)) throw Error::subscriptOutOfRange();
    return slot;
}

DailySlots slotsByCalendar(int year, std::span<const std::optional<double>> byDayOfYear) {
    const bool leap = isLeapYear(year);
    if (byDayOfYear.size() != (leap ? 366u : 365u)) throw Error::subscriptOutOfRange();
    DailySlots slots{};
    for (std::size_t day = 0; day < byDayOfYear.size(); ++day) {
        // A common year's days from 1 March on skip the slot of 29 February.
        const std::size_t slot = !leap && day >= kLeapDaySlot ? day + 1 : day;
        slots[slot] = byDayOfYear[day];
    }
    return slots;
}

}  // namespace tellvane
