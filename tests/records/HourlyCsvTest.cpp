#include <gtest/gtest.h>

#include "common/Text.h"
#include "records/HourlyCsv.h"

namespace tellvane {
namespace {

const std::string kHeader = "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n";

// A row of the station and date whose hours hold h (1-24) unless given.
std::string row(const std::string& station, const std::string& date, const std::string& hour1 = "1") {
    std::string out = station + "," + date + "," + hour1;
    for (int h = 2; h <= 24; ++h) out += "," + std::to_string(h);
    return out + "\n";
}

StationRecords read(const std::string& text) {
    StationRecords records;
    readHourlyCsv(text, "h.csv", records);
    return records;
}

TEST(HourlyCsv, ReadsEachStationDayAsItsTwentyFourTexts) {
    const auto records =
        read("\xEF\xBB\xBF# sample\n" + kHeader + row("A1", "2024-02-29", " \" 1.5\" ") + row("B2", "2024-03-01", "") +
             "\" A1\t\",\" 2024-03-01 \",\" \"" + std::string(22, ',') + ",abc\n");
    ASSERT_EQ(records.all().size(), 2u);
    const Series& a = records.all()[0];
    EXPECT_EQ(a.station, u"A1");
    EXPECT_EQ(a.kind, SeriesKind::Unstated);
    EXPECT_FALSE(a.names);
    ASSERT_EQ(a.days.size(), 2u);
    const HourCells& leapDay = a.days.at({2024, 2, 29});
    EXPECT_EQ(leapDay[0], u"1.5");  // blanks inside quotes are trimmed too
    EXPECT_EQ(leapDay[23], u"24");
    const HourCells& march = a.days.at({2024, 3, 1});
    EXPECT_EQ(march[0], u"");  // a quoted blank is no reading
    EXPECT_EQ(march[23], u"abc");
    EXPECT_EQ(records.all()[1].days.at({2024, 3, 1})[0], u"");
}

TEST(HourlyCsv, KeepsNonAsciiText) {
    const auto records = read(kHeader + row("観測所", "2024-01-01", "欠測"));
    EXPECT_EQ(records.all()[0].station, u"観測所");
    EXPECT_EQ(records.all()[0].days.begin()->second[0], u"欠測");
}

struct Bad {
    const char* name;
    std::string text;
    long line;
    const char* says;
    friend void PrintTo(const Bad& c, std::ostream* os) { *os << c.name; }
};

class HourlyCsvRejects : public testing::TestWithParam<Bad> {};

TEST_P(HourlyCsvRejects, NamingFileAndLine) {
    try {
        read(GetParam().text);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(e.file(), "h.csv");
        EXPECT_EQ(e.line(), GetParam().line) << e.what();
        EXPECT_NE(e.message().find(GetParam().says), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, HourlyCsvRejects,
    testing::Values(Bad{"Empty", "", 0, "no header"}, Bad{"OnlyComments", "# nothing\n", 0, "no header"},
                    Bad{"HeaderWithoutHour24",
                        "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23\n", 1, "header"},
                    Bad{"HeaderMisspelt",
                        "# c\nstation,day,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n", 2,
                        "header"},
                    Bad{"DayThatDoesNotExist", kHeader + row("A", "2023-02-29"), 2, "2023-02-29"},
                    Bad{"MonthThirteen", kHeader + row("A", "2023-13-01"), 2, "date"},
                    Bad{"SlashedDate", kHeader + row("A", "2023/01/01"), 2, "date"},
                    Bad{"ShortYear", kHeader + row("A", "23-01-01"), 2, "date"},
                    Bad{"DateWithTime", kHeader + row("A", "2023-01-01T00"), 2, "date"},
                    Bad{"TwentyFiveCells", kHeader + "A,2023-01-01" + std::string(23, ',') + "\n", 2, "25 cells"},
                    Bad{"TwentySevenCells", kHeader + "A,2023-01-01" + std::string(25, ',') + "\n", 2, "27 cells"},
                    Bad{"DuplicateDay",
                        kHeader + row("A", "2023-01-01") + row("B", "2023-01-01") + row("A", "2023-01-01"), 4, "twice"},
                    Bad{"EmptyStation", kHeader + row(" ", "2023-01-01"), 2, "station number is empty"},
                    Bad{"NotUtf8", kHeader + row("A", "2023-01-01", "\x82\xa0"), 2, "UTF-8"},
                    Bad{"MalformedQuote", kHeader + row("A", "2023-01-01", "1\"5"), 2, "quoting"}),
    [](const testing::TestParamInfo<Bad>& info) { return info.param.name; });

}  // namespace
}  // namespace tellvane
