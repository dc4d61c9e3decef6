// The record of every year equals the numbers `tellvane stats` gives for that year:
// the control run on the same readings, its numbers read back from statsJson.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "control/TZenzu.h"
#include "record/StationRecord.h"
#include "recording/StatsJson.h"
#include "records/DataFiles.h"
#include "records/YearBlockSource.h"
#include "records/YearSelection.h"
#include "tests/record/GeneratedRecord.h"
#include "tests/records/TestFiles.h"
#include "tests/support/FakePlatform.h"

namespace tellvane {
namespace {

using nlohmann::json;

const Series* seriesFor(const StationRecords& records, const StationRecord& r, int year) {
    for (const Series* s : records.ofStation(r.station))
        if ((s->kind == r.kind || s->kind == SeriesKind::Unstated) && s->hasYear(year)) return s;
    return nullptr;
}

// What `tellvane stats` prints for the year, through a control of its own.
json statsOf(const Series* series, const std::u16string& station, int year, SeriesKind kind) {
    test::TestPlatform fakes;
    const Platform platform = fakes.platform();
    TZenzu control(platform);
    SelectedYear selected{station, year, series, kind, {}, {}};
    YearBlockSource source(series, year, {});
    control.setKansokujoNO(station);
    control.setSeireki(year);
    control.setMode(modeOf(selected, std::nullopt));
    control.setEvents(&source);
    const bool loaded = control.NenZu();
    return json::parse(
        statsJson(control, loaded, YearCounts{daysWithData(control.store()), hoursWithReadings(selected)}));
}

void expectSameYear(const YearRecord& r, const json& stats, const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(r.daysWithData, stats["daysWithData"].get<int>());
    EXPECT_EQ(r.hoursWithReadings, stats["hoursWithReadings"].get<long>());
    for (int slot = kStatMax; slot <= kStatMean; ++slot) {
        const double held = stats["stats"][slot - 1].get<double>();
        const auto value = r.stat(static_cast<StatSlot>(slot));
        if (value)
            EXPECT_EQ(*value, held) << "slot " << slot;
        else  // the store keeps 0 where the year falls short of the rank
            EXPECT_EQ(held, 0.0) << "slot " << slot;
        EXPECT_EQ(value.has_value(), r.daysWithData >= daysNeeded(static_cast<StatSlot>(slot))) << "slot " << slot;
    }
    ASSERT_EQ(r.duration.size(), stats["duration"].size());
    for (std::size_t i = 0; i < r.duration.size(); ++i) {
        EXPECT_EQ(r.duration[i].value, stats["duration"][i][0].get<double>());
        EXPECT_EQ(r.duration[i].days, stats["duration"][i][1].get<int>());
    }
    std::optional<std::string> firstMax, firstMin;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= test::monthDays(r.year, m); ++d) {
            const std::string text = stats["days"][m - 1][d - 1];
            const auto& day = r.daily[static_cast<std::size_t>(calendarSlot(m, d))];
            ASSERT_EQ(day.has_value(), !text.empty()) << m << "/" << d;
            if (!day) continue;
            EXPECT_EQ(*day, std::stod(text)) << m << "/" << d;
            const std::string date = isoDate({r.year, m, d});
            if (!firstMax && *day == r.stat(kStatMax)) firstMax = date;
            if (!firstMin && *day == r.stat(kStatMin)) firstMin = date;
        }
    EXPECT_EQ(r.maxDate ? std::optional(isoDate(*r.maxDate)) : std::nullopt, firstMax);
    EXPECT_EQ(r.minDate ? std::optional(isoDate(*r.minDate)) : std::nullopt, firstMin);
}

void expectSameRecords(const std::vector<StationRecord>& a, const std::vector<StationRecord>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].years.size(), b[i].years.size());
        for (std::size_t y = 0; y < a[i].years.size(); ++y) {
            EXPECT_EQ(a[i].years[y].stats, b[i].years[y].stats);
            EXPECT_EQ(a[i].years[y].daily, b[i].years[y].daily);
            EXPECT_EQ(a[i].years[y].hoursWithReadings, b[i].years[y].hoursWithReadings);
        }
    }
}

// The records of the files read in one pass, the years whose days do not come
// together read again.
std::vector<StationRecord> readInOnePass(const std::filesystem::path& path) {
    OnePassRecords pass({});
    const StationRecords index = loadRecords({path}, pass.kept());
    return pass.records(index, {});
}

// Every year of every record of the files against the control; the record read
// year by year from an index against the one built from the readings held.
int checkFiles(const std::filesystem::path& path) {
    const StationRecords whole = loadRecords({path});
    const StationRecords index = loadRecords({path}, KeptYears{.station = {}, .year = {}, .none = true});
    const auto records = recordsOf(whole, {}, {});
    expectSameRecords(records, recordsReadYearByYear(index, {}, {}));
    expectSameRecords(records, readInOnePass(path));
    int years = 0;
    for (const StationRecord& r : records)
        for (const YearRecord& y : r.years) {
            const Series* series = seriesFor(whole, r, y.year);
            expectSameYear(y, statsOf(series, r.station, y.year, r.kind),
                           path.filename().string() + " " + kindName(r.kind) + " " + std::to_string(y.year));
            ++years;
        }
    return years;
}

TEST(RecordMatchesStats, EveryYearOfTheSamples) {
    EXPECT_EQ(checkFiles(test::samplesDir() / "nukada_303011283322030_2025.csv"), 1);
    EXPECT_EQ(checkFiles(test::samplesDir() / "moshiri_301011281104010"), 2);  // level and discharge
}

// Years of every kind a record meets: whole, leap, partial below each rank, without
// a day, with missing hours and the control's -999, with tied extremes.
TEST(RecordMatchesStats, EveryYearOfGeneratedData) {
    const auto reading = [](int y, int m, int d, int h) -> std::string {
        const int dayOfYear = (m - 1) * 31 + d;
        if (y == 2018) return "";                                             // no day
        if (y == 2017 && dayOfYear > 100) return "";                          // 100 days
        if (y == 2019 && m == 6 && d <= 11) return "";                        // 354 days
        if (y == 2020 && m == 7 && d <= 11) return "";                        // 355 of 366
        if (y == 2021 && (d * 24 + h) % 29 == 0) return "";                   // hours missing
        if (y == 2021 && (d * 24 + h) % 31 == 0) return "-999";               // the missing marker
        if (y == 2022 && (m == 3 || m == 9) && d == 5) return "9.99";         // tied maxima
        if (y == 2022 && (m == 4 || m == 10) && d == 7) return "-3.00";       // tied minima
        if (y == 2023) return test::hundredths((dayOfYear % 40) * 25 - 300);  // repeated days
        if (y == 2024 && d % 7 == 0) {  // every form a reading may take, not only #.##
            static const char* const kForms[] = {"1.25e1",  "+7", "-0.0",   " 4.5", "0.1234567",   "12",
                                                 "-9999.0", "$",  "-999.0", "3.",   "123456789.5", "12345.6789012345"};
            return kForms[static_cast<std::size_t>(h + d) % std::size(kForms)];
        }
        return test::hundredths((y * 37 + m * 101 + d * 13 + h * 7) % 997 - 200);
    };
    test::ScratchDir dir;
    const std::string csv = test::generatedCsv("303011283322030", 2015, 2024, reading);
    dir.write("g.csv", csv);
    EXPECT_EQ(checkFiles(dir.path() / "g.csv"), 10);
    // The same rows out of order: 2016 from July on after the rest, a station-year
    // the files come back to, which the single pass must not take as whole.
    const std::size_t july = csv.find("\n303011283322030,2016-07-01") + 1;
    const std::size_t next = csv.find("\n303011283322030,2017-01-01") + 1;
    dir.write("shuffled.csv", csv.substr(0, july) + csv.substr(next) + csv.substr(july, next - july));
    EXPECT_EQ(checkFiles(dir.path() / "shuffled.csv"), 10);
}

}  // namespace
}  // namespace tellvane
