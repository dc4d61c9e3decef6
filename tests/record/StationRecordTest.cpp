#include <gtest/gtest.h>

#include "record/StationRecord.h"
#include "tests/record/GeneratedRecord.h"

namespace tellvane {
namespace {

HourCells allHours(const std::u16string& value) {
    HourCells cells;
    cells.fill(value);
    return cells;
}

// Adds every day of the year with the value, but for the days `skip` names.
void addYear(StationRecords& records, Series& s, int year, const std::u16string& value,
             bool (*skip)(int month, int day) = nullptr) {
    int line = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= test::monthDays(year, m); ++d)
            if (!skip || !skip(m, d)) records.addDay(s, {year, m, d}, allHours(value), {"t.csv", ++line});
}

TEST(StationRecord, EveryYearFromFirstToLastAYearWithoutADayIncluded) {
    StationRecords records;
    Series& s = records.series(u"A", SeriesKind::Unstated);
    addYear(records, s, 2019, u"1.00");
    addYear(records, s, 2021, u"2.00");
    const auto all = recordsOf(records, {}, {});
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].kind, SeriesKind::Level);  // unstated readings chart as water levels
    ASSERT_EQ(all[0].years.size(), 3u);
    const YearRecord& empty = all[0].years[1];
    EXPECT_EQ(empty.year, 2020);
    EXPECT_EQ(empty.daysWithData, 0);
    EXPECT_EQ(empty.missingDays, 366);
    for (const auto& v : empty.stats) EXPECT_EQ(v, std::nullopt);
    EXPECT_EQ(empty.maxDate, std::nullopt);
    EXPECT_TRUE(empty.duration.empty());
    EXPECT_EQ(all[0].period.years, (std::vector<int>{2019, 2021}));
    EXPECT_EQ(all[0].period.leftOut, (std::vector<int>{2020}));

    RecordRequest range;
    range.firstYear = 2020;
    EXPECT_EQ(recordsOf(records, {}, range)[0].years.front().year, 2021);  // the data's first year within the range
    range.kind = SeriesKind::Discharge;
    EXPECT_EQ(recordsOf(records, {}, range)[0].kind, SeriesKind::Discharge);
    range.station = u"B";
    EXPECT_TRUE(recordsOf(records, {}, range).empty());
}

TEST(StationRecord, BothKindsOfAStationGetARecordEach) {
    StationRecords records;
    addYear(records, records.series(u"A", SeriesKind::Discharge), 2023, u"1.00");
    addYear(records, records.series(u"A", SeriesKind::Level), 2022, u"0.50");
    records.setNames(records.series(u"A", SeriesKind::Level), {u"額田", u"久慈川", u"久慈川"}, {"t.csv", 1});
    const auto all = recordsOf(records, {}, {});
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].kind, SeriesKind::Level);
    EXPECT_EQ(all[0].years.size(), 1u);
    EXPECT_EQ(all[0].names.Kansokujo, u"額田");
    EXPECT_EQ(all[0].years[0].runoff, std::nullopt);  // no volume of a water level
    EXPECT_EQ(all[1].kind, SeriesKind::Discharge);
    EXPECT_EQ(all[1].years[0].year, 2023);
    EXPECT_EQ(all[1].names.Kansokujo, u"額田");  // the station's names, whichever file gave them
    // 1 m^3/s for 365 days.
    EXPECT_EQ(all[1].years[0].runoff, 31.536);
    StationCatalogue catalogue{{u"A", {u"茂志利", u"天塩川", u"天塩川"}}};
    EXPECT_EQ(recordsOf(records, catalogue, {})[1].names.Kansokujo, u"茂志利");
}

TEST(StationRecord, DaysLineUpByCalendarDateAndExtremesTakeTheFirstDate) {
    StationRecords records;
    Series& s = records.series(u"A", SeriesKind::Discharge);
    addYear(records, s, 2023, u"1.00", [](int m, int d) { return m == 12 && d > 1; });
    records.addDay(s, {2024, 2, 29}, allHours(u"3.00"), {"t.csv", 400});
    records.addDay(s, {2024, 3, 1}, allHours(u"0.25"), {"t.csv", 401});
    records.addDay(s, {2024, 5, 1}, allHours(u"3.00"), {"t.csv", 402});
    records.addDay(s, {2024, 6, 1}, allHours(u"0.25"), {"t.csv", 403});
    const auto all = recordsOf(records, {}, {});
    const YearRecord& common = all[0].years[0];
    const YearRecord& leap = all[0].years[1];
    EXPECT_EQ(common.daily[59], std::nullopt);  // no 29 February
    EXPECT_EQ(common.daily[60], 1.0);           // 1 March
    EXPECT_EQ(common.daily[335], 1.0);          // 1 December
    EXPECT_EQ(common.daily[336], std::nullopt);
    EXPECT_EQ(common.missingDays, 30);
    EXPECT_EQ(leap.daily[59], 3.0);
    EXPECT_EQ(leap.daily[60], 0.25);
    EXPECT_EQ(leap.maxDate, (CivilDate{2024, 2, 29}));
    EXPECT_EQ(leap.minDate, (CivilDate{2024, 3, 1}));
    EXPECT_EQ(leap.hoursWithReadings, 96);
    EXPECT_EQ(leap.stat(kStatHigh), std::nullopt);  // 4 days reach no rank
    EXPECT_EQ(leap.stat(kStatMean), 1.63);          // 6.5 / 4 = 1.625, rounded as the control rounds
    EXPECT_EQ(leap.runoff, 0.5616);                 // 6.5 m^3/s-days
    EXPECT_EQ(leap.duration, (std::vector<DurationStep>{{3.0, 2}, {0.25, 4}}));
}

}  // namespace
}  // namespace tellvane
