#include <gtest/gtest.h>

#include "records/YearSelection.h"

namespace tellvane {
namespace {

class YearSelectionTest : public testing::Test {
protected:
    void day(const std::u16string& station, SeriesKind kind, CivilDate date) {
        records.addDay(records.series(station, kind), date, {}, {"t", 1});
    }
    std::string failure(const YearRequest& request) {
        try {
            selectYear(records, request);
        } catch (const SelectionError& e) {
            return e.what();
        }
        return "no error";
    }
    StationRecords records;
};

TEST_F(YearSelectionTest, TakesTheOnlyStationAndYear) {
    day(u"A", SeriesKind::Discharge, {2023, 5, 1});
    const SelectedYear s = selectYear(records, {});
    EXPECT_EQ(s.station, u"A");
    EXPECT_EQ(s.year, 2023);
    EXPECT_EQ(s.series, &records.all()[0]);
    EXPECT_EQ(s.kind, SeriesKind::Discharge);
}

TEST_F(YearSelectionTest, AsksForWhatTheDataLeavesOpen) {
    EXPECT_NE(failure({}).find("no station"), std::string::npos);
    EXPECT_NE(failure({u"A", {}, {}}).find("no readings"), std::string::npos);
    day(u"A", SeriesKind::Level, {2023, 1, 1});
    day(u"B", SeriesKind::Level, {2023, 1, 1});
    EXPECT_NE(failure({}).find("2 stations (A, B); choose one with --station"), std::string::npos);
    day(u"A", SeriesKind::Level, {2024, 1, 1});
    EXPECT_NE(failure({u"A", {}, {}}).find("2023, 2024; choose one with --year"), std::string::npos);
    EXPECT_NE(failure({u"Z", {}, {}}).find("station Z has no readings in the data, which covers 2023, 2024"),
              std::string::npos);
    day(u"A", SeriesKind::Discharge, {2023, 7, 1});
    EXPECT_NE(failure({u"A", 2023, {}}).find("choose one with --kind"), std::string::npos);
    EXPECT_NE(failure({u"A", 2023, SeriesKind::Unstated}).find("no readings of the kind"), std::string::npos);
}

TEST_F(YearSelectionTest, TheKindChoosesOnlyBetweenSeriesOfTheYear) {
    day(u"A", SeriesKind::Level, {2023, 1, 1});
    day(u"A", SeriesKind::Discharge, {2023, 1, 1});
    day(u"A", SeriesKind::Discharge, {2024, 1, 1});
    EXPECT_EQ(selectYear(records, {u"A", 2023, SeriesKind::Discharge}).series, &records.all()[1]);
    EXPECT_EQ(selectYear(records, {u"A", 2023, SeriesKind::Level}).series, &records.all()[0]);
    // One series in the year: the kind asked for changes the Mode, not the choice.
    const SelectedYear only = selectYear(records, {u"A", 2024, SeriesKind::Level});
    EXPECT_EQ(only.series, &records.all()[1]);
    EXPECT_EQ(modeOf(only, u"1"), u"1");
}

TEST_F(YearSelectionTest, AStationYearWithoutReadingsHasNoSeries) {
    day(u"A", SeriesKind::Level, {2023, 1, 1});
    EXPECT_EQ(selectYear(records, {u"A", 2022, {}}).series, nullptr);
    const SelectedYear unknown = selectYear(records, {u"Z", {}, {}});
    EXPECT_EQ(unknown.station, u"Z");
    EXPECT_EQ(unknown.year, 2023);  // the data's only year
    EXPECT_EQ(unknown.series, nullptr);
    EXPECT_EQ(unknown.kind, SeriesKind::Unstated);
}

TEST_F(YearSelectionTest, NamesComeFromTheCatalogueFirstThenTheFile) {
    Series& a = records.series(u"A", SeriesKind::Level);
    records.addDay(a, {2023, 1, 1}, {}, {"t", 1});
    records.setNames(a, {u"file", u"s", u"r"}, {"t", 0});
    day(u"B", SeriesKind::Level, {2023, 1, 1});
    const StationCatalogue catalogue{{u"A", {u"catalogue", u"s", u"r"}}};
    EXPECT_EQ(namesOf(selectYear(records, {u"A", {}, {}}), catalogue).Kansokujo, u"catalogue");
    EXPECT_EQ(namesOf(selectYear(records, {u"A", {}, {}}), {}).Kansokujo, u"file");
    EXPECT_EQ(namesOf(selectYear(records, {u"B", {}, {}}), catalogue), StationNames{});
}

TEST_F(YearSelectionTest, ModeFollowsTheKindUnlessAsked) {
    SelectedYear s;
    EXPECT_EQ(modeOf(s, std::nullopt), u"1");
    s.kind = SeriesKind::Discharge;
    EXPECT_EQ(modeOf(s, std::nullopt), u"7");
    EXPECT_EQ(modeOf(s, u"4"), u"4");
}

TEST(StationRecords, FilesMustAgreeOnAStationsNames) {
    StationRecords records;
    Series& s = records.series(u"A", SeriesKind::Level);
    records.setNames(s, {u"n", u"s", u"r"}, {"one.dat", 0});
    records.setNames(s, {u"n", u"s", u"r"}, {"two.dat", 0});
    try {
        records.setNames(s, {u"m", u"s", u"r"}, {"three.dat", 0});
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(e.file(), "three.dat");
    }
}

}  // namespace
}  // namespace tellvane
