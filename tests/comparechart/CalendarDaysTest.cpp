#include <gtest/gtest.h>

#include <vector>

#include "common/Error.h"
#include "comparechart/CalendarDays.h"
#include "comparechart/CompareSeries.h"
#include "tests/support/ErrorOf.h"

namespace tellvane {
namespace {

TEST(CalendarDays, EveryDateHasItsOwnSlot) {
    struct Date {
        int month, day, slot;
    };
    for (const Date d : {Date{1, 1, 0}, Date{1, 31, 30}, Date{2, 1, 31}, Date{2, 28, 58}, Date{2, 29, 59},
                         Date{3, 1, 60}, Date{4, 30, 120}, Date{12, 1, 335}, Date{12, 31, 365}})
        EXPECT_EQ(daySlot(d.month, d.day), d.slot) << d.month << "-" << d.day;
    for (const auto& date : {std::pair{2, 30}, {4, 31}, {13, 1}, {0, 1}, {1, 0}})
        EXPECT_EQ(test::errorOf([&] { daySlot(date.first, date.second); }), kSubscriptOutOfRange)
            << date.first << "-" << date.second;
    EXPECT_EQ(monthFirstSlot(13), kDaySlots);
}

TEST(CalendarDays, LeapYearsFollowTheGregorianRule) {
    for (const auto& [year, leap] : {std::pair{2024, true}, {2025, false}, {2000, true}, {1900, false}, {2100, false}})
        EXPECT_EQ(isLeapYear(year), leap) << year;
}

// The value of each day is its day of the year (1 to 365 or 366), so a slot shows
// which day landed in it.
std::vector<std::optional<double>> numberedDays(int count) {
    std::vector<std::optional<double>> days;
    for (int d = 1; d <= count; ++d) days.push_back(d);
    return days;
}

TEST(CalendarDays, FirstOfMarchStaysInItsSlotInEveryYear) {
    struct Case {
        int year;
        double feb28, feb29, mar1, dec31;  // the day of the year in each slot; 0 for none
    };
    for (const Case c : {Case{2023, 59, 0, 60, 365}, Case{2024, 59, 60, 61, 366}, Case{1900, 59, 0, 60, 365},
                         Case{2000, 59, 60, 61, 366}}) {
        const DailySlots s = slotsByCalendar(c.year, numberedDays(isLeapYear(c.year) ? 366 : 365));
        EXPECT_EQ(s[daySlot(2, 28)].value_or(0), c.feb28) << c.year;
        EXPECT_EQ(s[kLeapDaySlot].value_or(0), c.feb29) << c.year;
        EXPECT_EQ(s[daySlot(3, 1)].value_or(0), c.mar1) << c.year;
        EXPECT_EQ(s[daySlot(12, 31)].value_or(0), c.dec31) << c.year;
    }
    EXPECT_EQ(test::errorOf([] { slotsByCalendar(2024, numberedDays(365)); }), kSubscriptOutOfRange);
    EXPECT_EQ(test::errorOf([] { slotsByCalendar(2023, numberedDays(366)); }), kSubscriptOutOfRange);
}

// Four years, one of them leap, each day's value its year: the band of 29 February
// holds the leap year alone, that of 1 March every other year.
TEST(CalendarDays, TheBandOfTheLeapDayComesFromLeapYearsAlone) {
    CompareInput input;
    input.year = 2019;
    for (const int year : {2016, 2017, 2018, 2019}) {
        std::vector<std::optional<double>> days(isLeapYear(year) ? 366 : 365, double(year));
        input.years.push_back({year, slotsByCalendar(year, days)});
    }
    const CompareSeries s = compareSeries(input);
    ASSERT_TRUE(s.bands[kLeapDaySlot]);
    EXPECT_EQ(s.bands[kLeapDaySlot]->count, 1);
    EXPECT_EQ(s.bands[kLeapDaySlot]->max, 2016);
    EXPECT_EQ(s.bands[kLeapDaySlot]->min, 2016);
    for (const int slot : {daySlot(2, 28), daySlot(3, 1), daySlot(12, 31)}) {
        ASSERT_TRUE(s.bands[static_cast<std::size_t>(slot)]) << slot;
        EXPECT_EQ(s.bands[static_cast<std::size_t>(slot)]->count, 3) << slot;
        EXPECT_EQ(s.bands[static_cast<std::size_t>(slot)]->median, 2017) << slot;
    }
    EXPECT_EQ(s.otherYears, 3);
    EXPECT_EQ(s.durations[0].values.size(), 366u);
    EXPECT_EQ(s.durations[1].values.size(), 365u);
}

}  // namespace
}  // namespace tellvane
