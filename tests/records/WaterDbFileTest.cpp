#include <gtest/gtest.h>

#include "records/DataFiles.h"
#include "records/WaterDbFile.h"
#include "tests/records/TestFiles.h"

namespace tellvane {
namespace {

using test::samplesDir;
using test::toShiftJis;

const auto kMoshiri = samplesDir() / "moshiri_301011281104010";

const Series& onlySeries(const StationRecords& records) {
    EXPECT_EQ(records.all().size(), 1u);
    return records.all().front();
}

StationRecords readSample(const std::string& name) {
    StationRecords records;
    const auto path = kMoshiri / name;
    readWaterDbFile(readWholeFile(path), path.string(), records);
    return records;
}

TEST(WaterDbFile, ReadsTheHourlyStageDownload) {
    const auto records = readSample("hourly/jikoku_suii_2023-01.dat");
    const Series& s = onlySeries(records);
    EXPECT_EQ(s.station, u"301011281104010");
    EXPECT_EQ(s.kind, SeriesKind::Level);
    EXPECT_EQ(s.names, (StationNames{u"茂志利", u"天塩川", u"天塩川"}));
    ASSERT_EQ(s.days.size(), 31u);
    EXPECT_EQ(s.days.at({2023, 1, 1})[0], u"321.52");
    EXPECT_EQ(s.days.at({2023, 1, 1})[23], u"321.51");
    EXPECT_EQ(s.days.at({2023, 1, 31})[0], u"321.54");
}

TEST(WaterDbFile, DeliversTheMissingHoursOfTheDischargeDownloadEmpty) {
    const auto records = readSample("hourly/jikoku_ryuryo_2023-01.dat");
    const Series& s = onlySeries(records);
    EXPECT_EQ(s.kind, SeriesKind::Discharge);
    const HourCells& third = s.days.at({2023, 1, 3});
    EXPECT_EQ(third[11], u"3.77");
    EXPECT_EQ(third[0], u"");
    int empty = 0;
    for (const auto& [date, hours] : s.days)
        for (const auto& cell : hours) empty += cell.empty();
    EXPECT_EQ(empty, 552);  // every -9999.00,$ of the file
}

TEST(WaterDbFile, GivesEachDayOfTheDailyDownloadItsValueInEveryHour) {
    const auto records = readSample("daily/nichi_ryuryo_2023.dat");
    const Series& s = onlySeries(records);
    EXPECT_EQ(s.kind, SeriesKind::Discharge);
    ASSERT_EQ(s.days.size(), 365u);
    HourCells first;
    first.fill(u"4.47");
    EXPECT_EQ(s.days.at({2023, 1, 1}), first);
    EXPECT_EQ(s.days.at({2023, 2, 28})[23], u"2.56");
    EXPECT_EQ(s.days.at({2023, 12, 31})[11], u"3.61");
}

// Every sample download, decoded to UTF-8 beforehand as the browser does, gives
// the same series as its bytes.
TEST(WaterDbFile, ReadsADownloadDecodedByTheHostAsItsBytes) {
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kMoshiri)) {
        if (entry.path().extension() != ".dat") continue;
        const std::string bytes = readWholeFile(entry.path());
        StationRecords raw, decoded;
        readWaterDbFile(bytes, "a.dat", raw);
        readWaterDbFile(test::fromShiftJis(bytes), "a.dat", decoded, DownloadEncoding::Utf8);
        ASSERT_EQ(raw.all().size(), 1u);
        ASSERT_EQ(decoded.all().size(), 1u);
        const Series &a = raw.all().front(), &b = decoded.all().front();
        EXPECT_EQ(a.station, b.station);
        EXPECT_EQ(a.kind, b.kind);
        EXPECT_EQ(a.names, b.names);
        EXPECT_EQ(a.days, b.days) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 3);
}

TEST(WaterDbFile, ADecodedDownloadThatIsNotUtf8IsRejectedAtItsLine) {
    StationRecords records;
    std::string text = test::fromShiftJis(readWholeFile(kMoshiri / "hourly/jikoku_suii_2023-01.dat"));
    text.insert(text.find("2023/01/02"), "\xC3");
    try {
        readWaterDbFile(text, "a.dat", records, DownloadEncoding::Utf8);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(e.line(), 12);
        EXPECT_NE(e.message().find("not UTF-8"), std::string::npos) << e.what();
    }
}

// A download as the database writes it, from UTF-8 lines.
std::string download(const std::string& title, const std::vector<std::string>& rows,
                     const std::string& numberLine = "観測所記号,301011281104010") {
    std::string text = title + "\r\n水系名,天塩川\r\n河川名,天塩川\r\n観測所名,茂志利\r\n" + numberLine +
                       "\r\n#\r\n#日付,1時データ\r\n#  フラグの意味： *:暫定値, $:欠測\r\n#\r\n,1時,,2時\r\n";
    for (const auto& row : rows) text += row + "\r\n";
    return toShiftJis(text);
}

const std::string kHourlyLevel = "時刻水位月表検索結果";
const std::string kDailyLevel = "日水位年表検索結果";

// An hourly row whose hours hold 1.00 but for hour 1, which holds the pair given.
std::string hourlyRow(const std::string& date, const std::string& value = "    1.00", const std::string& flag = " ") {
    std::string row = date + "," + value + "," + flag;
    for (int h = 2; h <= 24; ++h) row += ",    1.00, ";
    return row;
}

// A daily row of the month with every day 2.00 and as many pairs as given.
std::string dailyRow(const std::string& month, int pairs, const std::string& first = "    2.00") {
    std::string row = month + ",";
    for (int d = 1; d <= pairs; ++d) row += (d == 1 ? first : "    2.00") + ", " + std::string(d < pairs ? "," : "");
    return row;
}

StationRecords read(const std::string& bytes) {
    StationRecords records;
    readWaterDbFile(bytes, "w.dat", records);
    return records;
}

struct Pair {
    const char* name;
    std::string value, flag;
    std::u16string cell;
    friend void PrintTo(const Pair& c, std::ostream* os) { *os << c.name; }
};

class WaterDbFileFlags : public testing::TestWithParam<Pair> {};

TEST_P(WaterDbFileFlags, DecideWhatReachesTheControl) {
    const auto records = read(download(kHourlyLevel, {hourlyRow("2023/01/01", GetParam().value, GetParam().flag)}));
    EXPECT_EQ(onlySeries(records).days.at({2023, 1, 1})[0], GetParam().cell);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, WaterDbFileFlags,
    testing::Values(Pair{"Normal", "  321.52", " ", u"321.52"}, Pair{"NoFlagAtAll", "    1.50", "", u"1.50"},
                    Pair{"Negative", "   -0.25", " ", u"-0.25"}, Pair{"Provisional", "    1.50", "*", u"1.50"},
                    Pair{"Missing", "    1.50", "$", u""}, Pair{"Closed", "    1.50", "#", u""},
                    Pair{"Unregistered", "    1.50", "-", u""}, Pair{"MissingMarker", "-9999.00", "$", u""},
                    Pair{"MissingMarkerWithoutFlag", "-9999.00", " ", u""},
                    Pair{"MissingFlagWithoutValue", "        ", "$", u""}),
    [](const testing::TestParamInfo<Pair>& info) { return info.param.name; });

TEST(WaterDbFile, ReadsSeveralYearsOfADailyDownloadAndAnAnnouncedMonthlyMean) {
    std::string announced = test::fromShiftJis(
        download(kDailyLevel, {"2023年", dailyRow("1月", 31), dailyRow("2月", 28 + 1), "2024年", dailyRow("2月", 29)}));
    announced.replace(announced.find(",1時,,2時"), 11, ",1日,,2日,,平均");
    const auto records = read(toShiftJis(announced));
    const Series& s = onlySeries(records);
    EXPECT_EQ(s.days.size(), 31u + 28u + 29u);
    EXPECT_EQ(s.days.at({2024, 2, 29})[23], u"2.00");
    EXPECT_EQ(s.years(), (std::set<int>{2023, 2024}));
}

struct Bad {
    const char* name;
    std::string bytes;
    long line;
    const char* says;
    friend void PrintTo(const Bad& c, std::ostream* os) { *os << c.name; }
};

class WaterDbFileRejects : public testing::TestWithParam<Bad> {};

TEST_P(WaterDbFileRejects, NamingFileAndLine) {
    try {
        read(GetParam().bytes);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(e.file(), "w.dat");
        EXPECT_EQ(e.line(), GetParam().line) << e.what();
        EXPECT_NE(e.message().find(GetParam().says), std::string::npos) << e.what();
    }
}

TEST(WaterDbFile, NamesDifferentFromAnEarlierFileAreReportedAtTheNameLine) {
    StationRecords records;
    readWaterDbFile(download(kHourlyLevel, {hourlyRow("2023/01/01")}), "a.dat", records);
    std::string renamed = download(kHourlyLevel, {hourlyRow("2023/01/02")});
    renamed.replace(renamed.find(toShiftJis("茂志利")), toShiftJis("茂志利").size(), toShiftJis("別名"));
    try {
        readWaterDbFile(renamed, "b.dat", records);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(e.file(), "b.dat");
        EXPECT_EQ(e.line(), 4) << e.what();  // 観測所名
        EXPECT_NE(e.message().find("named differently"), std::string::npos) << e.what();
    }
}

std::string withLine(std::string bytes, int line, const std::string& replacement) {
    std::size_t from = 0;
    for (int i = 1; i < line; ++i) from = bytes.find("\r\n", from) + 2;
    return bytes.replace(from, bytes.find("\r\n", from) - from, replacement);
}

const std::string kGood = download(kHourlyLevel, {hourlyRow("2023/01/01")});

INSTANTIATE_TEST_SUITE_P(
    BadInput, WaterDbFileRejects,
    testing::Values(
        Bad{"TooFewLines", toShiftJis("時刻水位月表検索結果\r\n水系名,天塩川\r\n"), 0, "header has 2 lines"},
        Bad{"RainfallTable", download("時刻雨量月表検索結果", {}), 1, "not a table"},
        Bad{"Utf8File", "\xEF\xBB\xBF" + std::string("時刻水位月表検索結果\r\n"), 1, "Shift_JIS"},
        Bad{"NoStationNumber", download(kHourlyLevel, {}, "観測所コード,1"), 5, "観測所記号"},
        Bad{"EmptyStationNumber", download(kHourlyLevel, {}, "観測所記号, "), 5, "empty"},
        Bad{"FlagLegendOutOfPlace", withLine(kGood, 8, toShiftJis("フラグ")), 8, "#"},
        Bad{"NoColumnCaptions", withLine(kGood, 10, toShiftJis("1時")), 10, "captions"},
        Bad{"UnknownFlag", download(kHourlyLevel, {hourlyRow("2023/01/01", "    1.00", "!")}), 11, "unknown flag '!'"},
        Bad{"ValueNoNumber", download(kHourlyLevel, {hourlyRow("2023/01/01", "     abc")}), 11, "not a number"},
        Bad{"ValueEmpty", download(kHourlyLevel, {hourlyRow("2023/01/01", "        ")}), 11, "not a number"},
        Bad{"ValueLoneMinus", download(kHourlyLevel, {hourlyRow("2023/01/01", "       -")}), 11, "not a number"},
        Bad{"ValueWithExponent", download(kHourlyLevel, {hourlyRow("2023/01/01", "    1e10")}), 11, "not a number"},
        Bad{"ValueBeyondTheLargestReading",
            download(kHourlyLevel, {hourlyRow("2023/01/01", "99999999999999999999.00")}), 11,
            "'99999999999999999999.00' is beyond"},
        Bad{"DailyValueBeyondTheLargestReading", download(kDailyLevel, {"2023年", dailyRow("1月", 31, "-1000000000")}),
            12, "beyond"},
        Bad{"ControlCharacterInFlagShownEscaped",
            download(kHourlyLevel, {hourlyRow("2023/01/01", "    1.00", std::string(1, '\0'))}), 11, "'\\x00'"},
        Bad{"BadDate", download(kHourlyLevel, {hourlyRow("2023/02/29")}), 11, "2023/02/29"},
        Bad{"DashedDate", download(kHourlyLevel, {hourlyRow("2023-01-01")}), 11, "YYYY/MM/DD"},
        Bad{"HourlyRowShort", download(kHourlyLevel, {hourlyRow("2023/01/01").substr(0, 60)}), 11, "expected 49"},
        Bad{"DayTwice", download(kHourlyLevel, {hourlyRow("2023/01/02"), hourlyRow("2023/01/02")}), 12, "twice"},
        Bad{"NotShiftJis", withLine(kGood, 11, hourlyRow("2023/01/01", "    1.0\x81", " ")), 11, "Shift_JIS"},
        Bad{"MonthBeforeYear", download(kDailyLevel, {dailyRow("1月", 31)}), 11, "before any year"},
        Bad{"MonthThirteen", download(kDailyLevel, {"2023年", dailyRow("13月", 31)}), 12, "1月 to 12月"},
        Bad{"FebruaryTooLong", download(kDailyLevel, {"2023年", dailyRow("2月", 30)}), 12, "expected 57"},
        Bad{"YearNotWritten", download(kDailyLevel, {"20x3年"}), 11, "YYYY年"},
        Bad{"MonthTwice", download(kDailyLevel, {"2023年", dailyRow("1月", 31), dailyRow("1月", 31)}), 13, "twice"}),
    [](const testing::TestParamInfo<Bad>& info) { return info.param.name; });

}  // namespace
}  // namespace tellvane

namespace tellvane {
namespace {

// The README's promises for downloads: line ends as any editor leaves them, and no
// day beyond its month's end.
struct Promise {
    const char* name;
    std::string bytes;
    long refusedAt;  // 0: read, with the day 2023-01-01
    friend void PrintTo(const Promise& c, std::ostream* os) { *os << c.name; }
};

std::string withLineEnds(const std::string& crlf, const std::string& to, bool everyOther) {
    std::string out;
    bool other = false;
    for (std::size_t i = 0; i < crlf.size(); ++i) {
        if (crlf.compare(i, 2, "\r\n") == 0) {
            out += everyOther && (other = !other) ? "\r\n" : to;
            ++i;
        } else {
            out += crlf[i];
        }
    }
    return out;
}

class ReadmePromises : public testing::TestWithParam<Promise> {};

TEST_P(ReadmePromises, AreKept) {
    try {
        const auto records = read(GetParam().bytes);
        EXPECT_EQ(GetParam().refusedAt, 0);
        EXPECT_TRUE(onlySeries(records).days.contains({2023, 1, 1}));
    } catch (const InputError& e) {
        EXPECT_EQ(e.file(), "w.dat");
        EXPECT_EQ(e.line(), GetParam().refusedAt) << e.what();
    }
}

const std::string kTwoDays = download(kHourlyLevel, {hourlyRow("2023/01/01"), hourlyRow("2023/01/02")});

INSTANTIATE_TEST_SUITE_P(
    Downloads, ReadmePromises,
    testing::Values(Promise{"CrOnly", withLineEnds(kTwoDays, "\r", false), 0},
                    Promise{"LfOnly", withLineEnds(kTwoDays, "\n", false), 0},
                    Promise{"MixedCrAndCrLf", withLineEnds(kTwoDays, "\r", true), 0},
                    Promise{"MixedLfAndCrLf", withLineEnds(kTwoDays, "\n", true), 0},
                    Promise{"TwentyNinthOfFebruaryInACommonYear",
                            download(kDailyLevel, {"2023年", dailyRow("1月", 31), dailyRow("2月", 29)}), 13},
                    Promise{"ThirtyFirstOfApril", download(kDailyLevel, {"2023年", dailyRow("1月", 31), dailyRow("4月", 31)}),
                            13}),
    [](const testing::TestParamInfo<Promise>& info) { return info.param.name; });

}  // namespace
}  // namespace tellvane
