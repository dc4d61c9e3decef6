#include <gtest/gtest.h>

#include <algorithm>

#include "records/DataFiles.h"
#include "records/HourlyCsv.h"
#include "tests/records/TestFiles.h"

namespace tellvane {
namespace {

using test::samplesDir;
using test::ScratchDir;

const auto kMoshiri = samplesDir() / "moshiri_301011281104010";

std::string failure(const std::vector<std::filesystem::path>& paths) {
    try {
        loadRecords(paths);
    } catch (const InputError& e) {
        return e.what();
    }
    return "no error";
}

TEST(DataFiles, AFolderStandsForItsDataFiles) {
    ScratchDir dir;
    std::filesystem::copy(kMoshiri / "hourly", dir.path() / "hourly");
    dir.write("hourly/notes.txt", "not data");
    const auto records = loadRecords({dir.path() / "hourly"});
    ASSERT_EQ(records.all().size(), 2u);
    EXPECT_EQ(records.all()[0].kind, SeriesKind::Discharge);  // jikoku_ryuryo sorts first
    EXPECT_EQ(records.all()[1].kind, SeriesKind::Level);
}

TEST(DataFiles, ReadsCsvAndDownloadsTogether) {
    const auto records = loadRecords({samplesDir() / "nukada_303011283322030_2025.csv", kMoshiri / "daily"});
    EXPECT_EQ(records.stations(), (std::vector<std::u16string>{u"303011283322030", u"301011281104010"}));
    EXPECT_EQ(records.all()[0].days.size(), 365u);
}

TEST(DataFiles, HourlyTablesStandBeforeTheDailyTableOfTheSameYear) {
    // The agency's own download folder: hourly January and the daily year together.
    ScratchDir dir;
    std::filesystem::copy(kMoshiri, dir.path() / "download", std::filesystem::copy_options::recursive);
    const auto records = loadRecords({dir.path() / "download"});
    ASSERT_EQ(records.all().size(), 2u);  // one series of each kind
    for (const Series& s : records.all()) {
        EXPECT_EQ(s.resolution, Resolution::Hourly);
        EXPECT_EQ(s.daysIn(2023), 365);
        // An hourly day keeps its hours; a day of the daily table has one value in all.
        const HourCells& january = s.days.at({2023, 1, 1});
        const HourCells& february = s.days.at({2023, 2, 1});
        EXPECT_EQ(std::count(february.begin(), february.end(), february[0]), 24);
        EXPECT_NE(std::count(january.begin(), january.end(), january[0]), 24);
    }
    ASSERT_EQ(records.notes().size(), 2u);
    EXPECT_NE(records.notes()[0].find("31 days from the hourly tables, 334 from the daily table"), std::string::npos)
        << records.notes()[0];
}

TEST(DataFiles, ADayGivenTwiceNamesBothPlaces) {
    ScratchDir dir;
    std::filesystem::copy(kMoshiri / "daily" / "nichi_ryuryo_2023.dat", dir.path() / "a.dat");
    std::filesystem::copy(kMoshiri / "daily" / "nichi_ryuryo_2023.dat", dir.path() / "b.dat");
    const std::string message = failure({dir.path()});
    EXPECT_NE(message.find("b.dat:12: station 301011281104010 has 2023-01-01 twice: first at"), std::string::npos)
        << message;
    EXPECT_NE(message.find("a.dat:12"), std::string::npos) << message;
}

// Files of a folder, by name, and the places the repeat's message must name.
struct Repeat {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;
    std::string second, first;
};

class RepeatedDays : public testing::TestWithParam<Repeat> {};

std::string hourlyRows(const std::vector<std::string>& stationDates) {
    std::string out = "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n";
    for (const std::string& sd : stationDates) out += sd + ",1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n";
    return out;
}

// The index keeps no place of a day: the first place is found by reading again.
TEST_P(RepeatedDays, NameBothPlaces) {
    ScratchDir dir;
    for (const auto& [name, bytes] : GetParam().files) dir.write(name, bytes);
    const std::string message = failure({dir.path()});
    EXPECT_NE(message.find(GetParam().second + ": station A has 2023-01-01 twice: first at "), std::string::npos)
        << message;
    EXPECT_TRUE(message.ends_with("first at " + (dir.path() / GetParam().first).string())) << message;
}

INSTANTIATE_TEST_SUITE_P(
    DataFiles, RepeatedDays,
    testing::Values(
        Repeat{"InOneFile", {{"a.csv", hourlyRows({"A,2023-01-01", "A,2023-01-02", "A,2023-01-01"})}}, "a.csv:4",
               "a.csv:2"},
        Repeat{"InAnEarlierFile",
               {{"a.csv", hourlyRows({"A,2023-01-01"})}, {"b.csv", hourlyRows({"B,2023-01-01", "A,2023-01-01"})}},
               "b.csv:3", "a.csv:2"},
        // b.csv gives the day twice too; its first row is the repeat.
        Repeat{"InAnEarlierFileThenTwiceInTheLater",
               {{"a.csv", hourlyRows({"A,2023-01-01"})}, {"b.csv", hourlyRows({"A,2023-01-01", "A,2023-01-01"})}},
               "b.csv:2", "a.csv:2"},
        Repeat{"AfterOtherYearsAndStations",
               {{"a.csv", hourlyRows({"A,2022-12-31", "A,2023-01-01", "B,2023-01-01", "A,2024-01-01"})},
                {"b.csv", hourlyRows({"B,2023-01-02", "A,2023-01-01"})}},
               "b.csv:3", "a.csv:3"}),
    [](const testing::TestParamInfo<Repeat>& info) { return info.param.name; });

// A host that hands texts over one by one cannot have an earlier one read again:
// the message names the file the first may be in.
TEST(DataFiles, ARepeatOfAnEarlierTextNamesItsFile) {
    StationRecords records;
    readHourlyCsv(hourlyRows({"A,2023-01-01"}), "a.csv", records);
    try {
        readHourlyCsv(hourlyRows({"B,2023-01-02", "A,2023-01-01"}), "b.csv", records);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "b.csv:3: station A has 2023-01-01 twice: first in a.csv");
    }
}

TEST(DataFiles, ReadsSubfoldersAndReportsWhatCannotBeWalked) {
    ScratchDir dir;
    std::filesystem::create_directories(dir.path() / "data" / "2023");
    std::filesystem::copy(kMoshiri / "hourly", dir.path() / "data" / "2023" / "hourly",
                          std::filesystem::copy_options::recursive);
    EXPECT_EQ(loadRecords({dir.path() / "data"}).all().size(), 2u);

    std::filesystem::create_directory_symlink("..", dir.path() / "data" / "2023" / "up");
    EXPECT_NE(failure({dir.path() / "data"}).find("loop"), std::string::npos);
    std::filesystem::remove(dir.path() / "data" / "2023" / "up");

    std::filesystem::create_symlink("self.csv", dir.path() / "data" / "self.csv");
    const std::string self = failure({dir.path() / "data"});
    EXPECT_NE(self.find("self.csv: cannot be looked at"), std::string::npos) << self;
}

// Every station-year read again from an index gives what a whole reading gives.
TEST(DataFiles, AStationYearReadAgainFromTheIndexIsTheSame) {
    ScratchDir dir;
    std::string csv = "\xEF\xBB\xBFstation,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\r\n";
    for (const char* row : {"A,2023-01-01", "A,2023-01-02", "B,2023-01-01", "A,2024-01-01", "\"A\",2023-01-03"})
        csv += std::string(row) + ",1.5,\" 2\"" + std::string(22, ',') + "\r\n";
    dir.write("hourly.csv", csv);
    std::filesystem::copy(kMoshiri, dir.path() / "download", std::filesystem::copy_options::recursive);

    const StationRecords whole = loadRecords({dir.path()});
    const StationRecords index = loadRecords({dir.path()}, KeptYears{.station = {}, .year = {}, .none = true});
    for (const Series& s : index.all()) EXPECT_TRUE(s.days.empty());
    for (const Series& expected : whole.all())
        for (const int year : expected.years()) {
            const StationRecords again = loadStationYear(index, expected.station, year);
            const Series* found = nullptr;
            for (const Series* s : again.ofStation(expected.station))
                if (s->kind == expected.kind && s->hasYear(year)) found = s;
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->daysIn(year), expected.daysIn(year));
            for (const auto& [date, cells] : expected.days) {
                if (date.year == year) {
                    EXPECT_EQ(found->days.at(date), cells) << isoDate(date);
                }
            }
        }
}

// Downloads a host decoded itself (the browser's file system holds them as UTF-8)
// give the days and names of the database's own bytes, read whole or year by year.
TEST(DataFiles, DownloadsDecodedToUtf8ReadAsTheOriginals) {
    ScratchDir dir;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kMoshiri)) {
        if (!entry.is_regular_file()) continue;
        const auto name = std::filesystem::relative(entry.path(), kMoshiri);
        std::filesystem::create_directories((dir.path() / name).parent_path());
        dir.write(name.string(), test::fromShiftJis(readWholeFile(entry.path())));
    }
    const StationRecords original = loadRecords({kMoshiri});
    const StationRecords decoded = loadRecords({dir.path()}, std::nullopt, DownloadEncoding::Utf8);
    const StationRecords index =
        loadRecords({dir.path()}, KeptYears{.station = {}, .year = {}, .none = true}, DownloadEncoding::Utf8);
    ASSERT_EQ(decoded.all().size(), original.all().size());
    for (std::size_t i = 0; i < original.all().size(); ++i) {
        const Series& o = original.all()[i];
        const Series& d = decoded.all()[i];
        EXPECT_EQ(d.station, o.station);
        EXPECT_EQ(d.kind, o.kind);
        EXPECT_EQ(d.days, o.days);
        ASSERT_TRUE(d.names && o.names);
        EXPECT_FALSE(o.names->Kansokujo.empty());
        EXPECT_EQ(d.names->Kansokujo, o.names->Kansokujo);
        for (const int year : o.years()) {
            const StationRecords again = loadStationYear(index, o.station, year, DownloadEncoding::Utf8);
            EXPECT_FALSE(again.ofStation(o.station).empty()) << year;
        }
    }
}

TEST(DataFiles, UnreadableInputNamesTheFile) {
    ScratchDir dir;
    const auto missing = dir.path() / "missing.csv";
    EXPECT_NE(failure({missing}).find(missing.string() + ": cannot be read"), std::string::npos);
    std::filesystem::create_directories(dir.path() / "empty");
    EXPECT_NE(failure({dir.path() / "empty"}).find("holds no .dat or .csv files"), std::string::npos);
    EXPECT_THROW(loadStationCatalogue(dir.path()), InputError);
}

}  // namespace
}  // namespace tellvane
