// The ten-day blocks a host answers with: the calendar they follow, and arguments
// outside their ranges refused as the control refuses a bad index.
#include <gtest/gtest.h>

#include <map>

#include <climits>

#include "common/Text.h"
#include "hostkit/TenDayBlocks.h"
#include "tests/support/ErrorOf.h"

namespace tellvane {
namespace {

using test::errorOf;

TEST(TenDayBlocks, FollowTheGregorianCalendar) {
    struct Case {
        int year, month, days;
    } const cases[] = {{2023, 1, 31}, {2023, 2, 28},  {2024, 2, 29}, {1900, 2, 28},   {2000, 2, 29},
                       {2023, 4, 30}, {2023, 12, 31}, {-4, 2, 29},   {INT_MIN, 2, 29}};
    for (const auto& c : cases) EXPECT_EQ(daysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;

    struct SpanCase {
        int year, datano, month, firstDay, days;
    } const spans[] = {{2023, 1, 1, 1, 10}, {2023, 3, 1, 21, 11},   {2023, 6, 2, 21, 8},
                       {2024, 6, 2, 21, 9}, {2023, 35, 12, 11, 10}, {2023, 36, 12, 21, 11}};
    for (const auto& s : spans) {
        const BlockSpan span = blockSpan(s.year, s.datano);
        EXPECT_EQ(span.month, s.month) << s.datano;
        EXPECT_EQ(span.firstDay, s.firstDay) << s.datano;
        EXPECT_EQ(span.days, s.days) << s.datano;
    }
}

TEST(TenDayBlocks, ArgumentsOutsideTheirRangesAreSubscriptsOutOfRange) {
    const auto noReading = [](int, int) { return std::u16string(); };
    struct Case {
        const char* what;
        std::function<void()> call;
    } const cases[] = {
        {"month 0", [] { daysInMonth(2023, 0); }},
        {"month 13", [] { daysInMonth(2023, 13); }},
        {"month INT_MIN", [] { daysInMonth(2023, INT_MIN); }},
        {"block 0", [] { blockSpan(2023, 0); }},
        {"block 37", [] { blockSpan(2023, 37); }},
        {"block INT_MIN", [] { blockSpan(2023, INT_MIN); }},
        {"block INT_MAX", [] { blockSpan(2023, INT_MAX); }},
        {"span of month 0",
         [&] {
             BlockArray a;
             fillBlock(a, {0, 1, 10}, noReading);
         }},
        {"span of 12 days",
         [&] {
             BlockArray a;
             fillBlock(a, {1, 1, 12}, noReading);
         }},
        {"span of -1 days",
         [&] {
             BlockArray a;
             fillBlock(a, {1, 1, -1}, noReading);
         }},
        {"span from day 0",
         [&] {
             BlockArray a;
             fillBlock(a, {1, 0, 10}, noReading);
         }},
        {"span past day 31",
         [&] {
             BlockArray a;
             fillBlock(a, {1, 25, 8}, noReading);
         }},
        {"span from INT_MAX",
         [&] {
             BlockArray a;
             fillBlock(a, {1, INT_MAX, 11}, noReading);
         }},
    };
    for (const auto& c : cases) EXPECT_EQ(errorOf(c.call), kSubscriptOutOfRange) << c.what;
}

TEST(TenDayBlocks, ABadSpanLeavesTheBlockAsItWas) {
    BlockArray Suii;
    Suii(0, 0) = u"7";
    Suii(1, 1) = u"3.5";
    const auto reading = [](int, int) { return std::u16string(u"1"); };
    EXPECT_EQ(errorOf([&] { fillBlock(Suii, {2, 21, 12}, reading); }), kSubscriptOutOfRange);
    EXPECT_EQ(Suii(0, 0), u"7");
    EXPECT_EQ(Suii(1, 1), u"3.5");
}

TEST(TenDayBlocks, FillTheDaysOfTheSpanAndTheirCount) {
    BlockArray Suii;
    fillBlock(Suii, blockSpan(2024, 6), [](int day, int hour) { return plainInteger(day * 100 + hour); });
    EXPECT_EQ(Suii(0, 0), u"9");
    EXPECT_EQ(Suii(1, 1), u"2101");
    EXPECT_EQ(Suii(24, 9), u"2924");
}

// A day at a time gives the block the hour-by-hour way gives, a day without
// readings emptying the cells a block used before held.
TEST(TenDayBlocks, FillADayAtATimeAsHourByHour) {
    const auto reading = [](int day, int hour) { return day == 23 ? u"" : plainInteger(day * 100 + hour); };
    std::map<int, DayReadings> days;
    for (int d = 21; d <= 29; ++d)
        if (d != 23)
            for (int h = 1; h <= 24; ++h) days[d][static_cast<std::size_t>(h - 1)] = reading(d, h);
    BlockArray hourly, daily;
    fillBlock(hourly, blockSpan(2024, 6), reading);
    for (int r = 1; r <= 9; ++r) daily(5, r) = u"left from before";
    fillBlock(daily, blockSpan(2024, 6), [&](int d) { return days.contains(d) ? &days.at(d) : nullptr; });
    for (int r = 0; r <= 9; ++r)
        for (int h = 0; h <= 24; ++h) EXPECT_EQ(daily(h, r), hourly(h, r)) << "row " << r << " hour " << h;
}

}  // namespace
}  // namespace tellvane
