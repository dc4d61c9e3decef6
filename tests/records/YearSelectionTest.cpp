#include <gtest/gtest.h>

#include "records/YearSelection.h"

namespace tellvane {
namespace {

class YearSelectionTest : public testing::Test {
protected:
    // A day whose 1時 holds a reading, or (reading empty) a day of empty cells.
    void day(const std::u16string& station, SeriesKind kind, CivilDate date, std::u16string reading = u"1.00") {
        HourCells cells;
        cells[0] = std::move(reading);
        records.addDay(records.series(station, kind), date, std::move(cells), {"t", 1});
    }
    std::string failure(const YearRequest& request, SelectionError::Choice choice = SelectionError::Choice::None) {
        try {
            selectYear(records, request);
        } catch (const SelectionError& e) {
            EXPECT_EQ(e.choice(), choice) << e.what();
            // The library words what is wrong with the data; advice is the host's.
            EXPECT_EQ(std::string(e.what()).find("--"), std::string::npos) << e.what();
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

TEST_F(YearSelectionTest, SaysWhichPartTheDataLeavesOpen) {
    using Choice = SelectionError::Choice;
    EXPECT_NE(failure({}).find("no station"), std::string::npos);
    EXPECT_NE(failure({u"A", {}, {}}).find("no readings"), std::string::npos);
    day(u"A", SeriesKind::Level, {2023, 1, 1});
    day(u"B", SeriesKind::Level, {2023, 1, 1});
    EXPECT_NE(failure({}, Choice::Station).find("2 stations (A, B)"), std::string::npos);
    day(u"A", SeriesKind::Level, {2024, 1, 1});
    day(u"A", SeriesKind::Level, {2026, 1, 1});
    EXPECT_NE(failure({u"A", {}, {}}, Choice::Year).find("2023-2024, 2026"), std::string::npos);
    EXPECT_NE(failure({u"Z", {}, {}}, Choice::Year).find("station Z is not in the data, which covers 2023-2024, 2026"),
              std::string::npos);
    day(u"A", SeriesKind::Discharge, {2023, 7, 1});
    EXPECT_NE(failure({u"A", 2023, {}}, Choice::Kind).find("more than one kind"), std::string::npos);
    EXPECT_NE(failure({u"A", 2023, SeriesKind::Unstated}).find("station A 2023 has no readings"), std::string::npos);
}

TEST_F(YearSelectionTest, AKindAskedForNeverRelabelsAStatedOne) {
    day(u"A", SeriesKind::Level, {2023, 1, 1});
    day(u"C", SeriesKind::Unstated, {2023, 1, 1});
    EXPECT_NE(failure({u"A", 2023, SeriesKind::Discharge}).find("has no discharge readings, only level readings"),
              std::string::npos);
    // Readings whose file does not say take the kind asked for.
    EXPECT_EQ(selectYear(records, {u"C", 2023, SeriesKind::Discharge}).series, &records.all()[1]);
}

TEST_F(YearSelectionTest, WithoutReadingsTheSelectionSaysWhatTheDataHolds) {
    day(u"A", SeriesKind::Level, {2023, 1, 1});
    day(u"A", SeriesKind::Discharge, {2023, 1, 1});
    day(u"A", SeriesKind::Discharge, {2024, 1, 1});
    const std::string year = selectYear(records, {u"A", 2022, SeriesKind::Discharge}).absence;
    EXPECT_NE(year.find("station A has no discharge readings in 2022"), std::string::npos) << year;
    EXPECT_NE(year.find("level readings in 2023, discharge readings in 2023-2024"), std::string::npos) << year;
    const std::string station = selectYear(records, {u"Z", 2023, {}}).absence;
    EXPECT_NE(station.find("station Z is not in the data, which holds station A"), std::string::npos) << station;
    EXPECT_EQ(selectYear(records, {u"A", 2024, {}}).absence, "");
}

TEST_F(YearSelectionTest, TheKindChoosesOnlyBetweenSeriesOfTheYear) {
    day(u"A", SeriesKind::Level, {2023, 1, 1});
    day(u"A", SeriesKind::Discharge, {2023, 1, 1});
    day(u"A", SeriesKind::Discharge, {2024, 1, 1});
    EXPECT_EQ(selectYear(records, {u"A", 2023, SeriesKind::Discharge}).series, &records.all()[1]);
    EXPECT_EQ(selectYear(records, {u"A", 2023, SeriesKind::Level}).series, &records.all()[0]);
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
    day(u"A", SeriesKind::Level, {2023, 1, 1});
    records.setNames(records.series(u"A", SeriesKind::Level), {u"file", u"s", u"r"}, {"t", 0});
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


// An hour counts when its cell holds a reading the control takes: not empty, and not
// its own missing marker -999 in any spelling leadingNumber reads as it.
TEST(HoursWithReadings, CountEveryCellButEmptyAndTheMissingMarker) {
    const struct {
        std::u16string cell;
        long counted;
    } cases[] = {{u"", 0},        {u"1.5", 1},      {u"-999", 0},  {u" -999", 0},  {u"\t-999.00", 0},
                 {u"-999.5", 1},  {u"-99", 1},      {u"-9990", 1}, {u"999", 1},    {u" ", 1},
                 {u"-", 1},       {u"0", 1},        {u"-999e0", 0}};
    for (const auto& c : cases) {
        StationRecords records;
        Series& s = records.series(u"A", SeriesKind::Level);
        HourCells cells;
        cells[0] = c.cell;
        records.addDay(s, {2023, 1, 1}, std::move(cells), {"t", 1});
        EXPECT_EQ(hoursWithReadings(SelectedYear{u"A", 2023, &s, SeriesKind::Level, {}, {}}), c.counted)
            << std::string(c.cell.begin(), c.cell.end());
    }
}

}  // namespace
}  // namespace tellvane

namespace tellvane {
namespace {

// What the selection makes of a year's rows and the files' kinds, as hosts are told it.
TEST_F(YearSelectionTest, RowsWithoutReadingsAndUnstatedKinds) {
    day(u"E", SeriesKind::Unstated, {2023, 1, 1}, u"");
    day(u"E", SeriesKind::Unstated, {2023, 1, 2}, u"-999");
    day(u"C", SeriesKind::Unstated, {2023, 1, 1});
    day(u"M", SeriesKind::Unstated, {2023, 1, 1});
    day(u"M", SeriesKind::Level, {2023, 1, 2});
    struct Row {
        YearRequest request;
        bool charted;
        SeriesKind kind;
        const char* said;  // in the absence or the note
    };
    const Row rows[] = {
        {{u"E", 2023, {}}, false, SeriesKind::Unstated, "station E 2023 has no readings: every hour"},
        {{u"E", 2023, SeriesKind::Level}, false, SeriesKind::Level, "has no level readings: every hour"},
        {{u"C", 2023, SeriesKind::Discharge}, true, SeriesKind::Discharge, ""},
        {{u"C", 2023, {}}, true, SeriesKind::Unstated, ""},
        {{u"M", 2023, SeriesKind::Level}, true, SeriesKind::Level, "does not say its kind (a CSV) are left out"},
    };
    for (const Row& row : rows) {
        const SelectedYear s = selectYear(records, row.request);
        SCOPED_TRACE(std::string(row.said));
        EXPECT_EQ(s.series != nullptr, row.charted);
        EXPECT_EQ(s.kind, row.kind);
        const std::string said = s.absence + s.note;
        if (*row.said == 0) EXPECT_EQ(said, "");
        else EXPECT_NE(said.find(row.said), std::string::npos) << said;
    }
}

}  // namespace
}  // namespace tellvane
