#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>

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

// The text with each LF a lone CR, as some old programs end lines.
std::string crOnly(std::string text) {
    std::replace(text.begin(), text.end(), '\n', '\r');
    return text;
}

StationRecords read(const std::string& text) {
    StationRecords records;
    readHourlyCsv(text, "h.csv", records);
    return records;
}

// A row whose 24 hours all hold the cell.
std::string rowOf(const std::string& station, const std::string& date, const std::string& cell, int hours = 24) {
    std::string out = station + "," + date;
    for (int h = 1; h <= hours; ++h) out += "," + cell;
    return out + "\n";
}

// Every day's readings as numbers, as a single pass over the files keeps them.
std::map<CivilDate, HourValues> readNumbers(const std::string& text) {
    std::map<CivilDate, HourValues> days;
    StationRecords records;
    KeptYears kept;
    kept.eachYear = [&](const Series& s, int) { days.insert(s.values.begin(), s.values.end()); };
    kept.asNumbers = true;
    records.keepOnly(kept);
    readHourlyCsv(text, "h.csv", records);
    records.handOnLast();
    return days;
}

// What the control reads a delivered text as, as a number.
double controlValue(const std::u16string& text) { return text.empty() ? kNoReading : leadingNumber(text); }

// Equal as numbers, no reading equal to no reading, and the sign of a zero kept.
void expectSameReading(double kept, double expected) {
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(kept)) << kept;
    } else {
        EXPECT_EQ(kept, expected);
        EXPECT_EQ(std::signbit(kept), std::signbit(expected));
    }
}

TEST(HourlyCsv, ReadsEachStationDayAsItsTwentyFourTexts) {
    const auto records =
        read("\xEF\xBB\xBF# sample\n" + kHeader + row("A1", "2024-02-29", " \" 1.5\" ") + row("B2", "2024-03-01", "") +
             "\" A1\t\",\" 2024-03-01 \",\" \"" + std::string(22, ',') + ",24\n");
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
    EXPECT_EQ(march[23], u"24");
    EXPECT_EQ(records.all()[1].days.at({2024, 3, 1})[0], u"");
}

TEST(HourlyCsv, KeepsNonAsciiStationNumbers) {
    const auto records = read(kHeader + row("観測所", "2024-01-01"));
    EXPECT_EQ(records.all()[0].station, u"観測所");
}

// What an hour's cell may hold, and what the control then gets.
struct Reading {
    const char* cell;
    const char16_t* delivered;  // nullptr: refused
};

class HourlyCsvReading : public testing::TestWithParam<Reading> {};

TEST_P(HourlyCsvReading, IsANumberAMissingMarkOrRefused) {
    const Reading& r = GetParam();
    const std::string text = kHeader + row("A", "2023-01-01", "1") + row("A", "2023-01-02", r.cell);
    if (r.delivered) {
        EXPECT_EQ(read(text).all()[0].days.at({2023, 1, 2})[0], r.delivered);
        return;
    }
    try {
        read(text);
        FAIL() << "accepted";
    } catch (const InputError& e) {
        EXPECT_EQ(e.file(), "h.csv");
        EXPECT_EQ(e.line(), 3);
        EXPECT_NE(e.message().find("hour 1"), std::string::npos) << e.what();
        // The text is shown as it stands, but for the quotes of the CSV.
        std::string shown = r.cell;
        if (shown.starts_with('"')) shown = shown.substr(1, shown.size() - 2);
        EXPECT_NE(e.message().find("'" + shown + "'"), std::string::npos) << e.what();
    }
}

// Kept as numbers, a reading is what the control makes of its text; a refused one is
// refused alike. Hour 1 alone goes through the cells, a row of it alone through the
// line read whole where the reading allows.
TEST_P(HourlyCsvReading, AsANumberIsWhatTheControlReadsItsTextAs) {
    const Reading& r = GetParam();
    for (const std::string& day : {row("A", "2023-01-02", r.cell), rowOf("A", "2023-01-02", r.cell)}) {
        const std::string text = kHeader + rowOf("A", "2023-01-01", "1.5") + day;
        if (!r.delivered) {
            EXPECT_THROW(readNumbers(text), InputError);
            continue;
        }
        const auto days = readNumbers(text);
        ASSERT_EQ(days.size(), 2u);
        expectSameReading(days.at({2023, 1, 2})[0], controlValue(r.delivered));
        expectSameReading(days.at({2023, 1, 2})[23],
                          day == rowOf("A", "2023-01-02", r.cell) ? controlValue(r.delivered) : 24);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, HourlyCsvReading,
    testing::Values(Reading{"1.5", u"1.5"}, Reading{" 2 ", u"2"}, Reading{"-1.25", u"-1.25"}, Reading{"+3", u"+3"},
                    Reading{".5", u".5"}, Reading{"5.", u"5."}, Reading{"1e3", u"1e3"}, Reading{"1.5E-2", u"1.5E-2"},
                    Reading{"999999999.99", u"999999999.99"}, Reading{"", u""}, Reading{R"(" ")", u""},
                    Reading{"-999", u"-999"}, Reading{"-999.0", u"-999.0"}, Reading{"-9999", u""},
                    Reading{"-9999.00", u""}, Reading{"-09999.0", u""}, Reading{"-9999.000000", u""},
                    Reading{"-9999.0000000", u""}, Reading{"-9999.0000001", u"-9999.0000001"},
                    Reading{"-9999.5", u"-9999.5"}, Reading{"-19999.0", u"-19999.0"}, Reading{"9999.0", u"9999.0"},
                    Reading{"-0.0", u"-0.0"}, Reading{"$", u""}, Reading{"#", u""}, Reading{"-", u""},
                    Reading{"abc", nullptr}, Reading{"--", nullptr}, Reading{"欠測", nullptr}, Reading{"欠", nullptr},
                    Reading{"*", nullptr}, Reading{"nan", nullptr}, Reading{"inf", nullptr}, Reading{"0x10", nullptr},
                    Reading{"１.５", nullptr}, Reading{R"("1,5")", nullptr}, Reading{"1.5.2", nullptr},
                    Reading{"e5", nullptr}, Reading{"1e", nullptr}, Reading{"+", nullptr}, Reading{".", nullptr},
                    Reading{"1 2", nullptr}, Reading{"1.5abc", nullptr}, Reading{"1e9", nullptr},
                    Reading{"-1e9", nullptr}, Reading{"1e308", nullptr}, Reading{"1e999", nullptr},
                    Reading{"99999999999999999999.00", nullptr}));

TEST(HourlyCsv, ShowsAControlCharacterEscapedAndALongCellShortened) {
    const auto failure = [](const std::string& cell) {
        try {
            read(kHeader + row("A", "2023-01-01", cell));
        } catch (const InputError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    const std::string nul =
        failure(std::string("1\0"
                            "5\x01",
                            4));
    EXPECT_NE(nul.find(R"('1\x005\x01')"), std::string::npos) << nul;
    const std::string letters = failure(std::string(1000000, 'x'));
    EXPECT_LT(letters.size(), 200u);
    EXPECT_NE(letters.find("(1000000 bytes)"), std::string::npos) << letters;
}

TEST(HourlyCsv, KeepsOnlyTheReadingsOfTheYearAskedForButChecksAndCountsEveryDay) {
    const std::string text =
        kHeader + row("A", "2024-01-01") + row("B", "2023-12-31") + row("B", "2024-01-01") + row("B", "2024-01-02");
    StationRecords records;
    records.keepOnly(KeptYears{u"B", 2024});
    readHourlyCsv(text, "h.csv", records);
    const Series& a = records.all()[0];
    const Series& b = records.all()[1];
    EXPECT_TRUE(a.days.empty());
    EXPECT_EQ(a.daysIn(2024), 1);
    EXPECT_EQ(b.days.size(), 2u);
    EXPECT_EQ(b.daysIn(2023), 1);
    EXPECT_EQ(b.daysIn(2024), 2);

    StationRecords strict;
    strict.keepOnly(KeptYears{u"B", 2024});
    EXPECT_THROW(readHourlyCsv(text + row("A", "2024-01-02", "abc"), "h.csv", strict), InputError);
}

TEST(HourlyCsv, KeepsNothingOnceAPartLeftOutHasTwoAnswers) {
    StationRecords records;
    records.keepOnly(KeptYears{u"B", std::nullopt});
    readHourlyCsv(kHeader + row("B", "2023-12-31") + row("B", "2024-01-01") + row("B", "2024-01-02"), "h.csv", records);
    EXPECT_EQ(records.all()[0].days.size(), 1u);  // only 2023's, the first year seen
    EXPECT_EQ(records.all()[0].years(), (std::set<int>{2023, 2024}));
}

struct Bad {
    const char* name;
    std::string text;
    long line;
    const char* says;
    friend void PrintTo(const Bad& c, std::ostream* os) { *os << c.name; }
};

class HourlyCsvRejects : public testing::TestWithParam<Bad> {};

// Read with the readings kept as text, as numbers, and not kept at all.
TEST_P(HourlyCsvRejects, NamingFileAndLine) {
    const auto index = [](const std::string& text) {
        StationRecords records;
        records.keepOnly(KeptYears{.station = {}, .year = {}, .none = true});
        readHourlyCsv(text, "h.csv", records);
    };
    const std::pair<const char*, std::function<void(const std::string&)>> readers[] = {
        {"as text", [](const std::string& text) { read(text); }},
        {"as numbers", [](const std::string& text) { readNumbers(text); }},
        {"not kept", index}};
    for (const auto& [kept, reader] : readers) {
        SCOPED_TRACE(kept);
        try {
            reader(GetParam().text);
            ADD_FAILURE() << "no error";
        } catch (const InputError& e) {
            EXPECT_EQ(e.file(), "h.csv");
            EXPECT_EQ(e.line(), GetParam().line) << e.what();
            EXPECT_NE(e.message().find(GetParam().says), std::string::npos) << e.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, HourlyCsvRejects,
    testing::Values(
        Bad{"Empty", "", 0, "no header"}, Bad{"OnlyComments", "# nothing\n", 0, "no header"},
        Bad{"HeaderWithoutHour24", "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23\n", 1,
            "header"},
        Bad{"HeaderMisspelt", "# c\nstation,day,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n", 2,
            "header"},
        Bad{"DayThatDoesNotExist", kHeader + row("A", "2023-02-29"), 2, "2023-02-29"},
        Bad{"MonthThirteen", kHeader + row("A", "2023-13-01"), 2, "date"},
        Bad{"SlashedDate", kHeader + row("A", "2023/01/01"), 2, "date"},
        Bad{"ShortYear", kHeader + row("A", "23-01-01"), 2, "date"},
        Bad{"DateWithTime", kHeader + row("A", "2023-01-01T00"), 2, "date"},
        Bad{"TwentyFiveCells", kHeader + "A,2023-01-01" + std::string(23, ',') + "\n", 2, "25 cells"},
        Bad{"TwentySevenCells", kHeader + "A,2023-01-01" + std::string(25, ',') + "\n", 2, "27 cells"},
        Bad{"DuplicateDay", kHeader + row("A", "2023-01-01") + row("B", "2023-01-01") + row("A", "2023-01-01"), 4,
            "twice"},
        Bad{"EmptyStation", kHeader + row(" ", "2023-01-01"), 2, "station number is empty"},
        Bad{"NotUtf8", kHeader + row("\x82\xa0", "2023-01-01"), 2, R"('\x82\xA0' is not UTF-8)"},
        Bad{"MalformedQuote", kHeader + row("A", "2023-01-01", "1\"5"), 2, "quoting"},
        Bad{"LoneCrLineEnds", crOnly(kHeader + row("A", "2023-01-01") + row("A", "2023-01-02", "x")), 3, "'x'"},
        Bad{"MixedLineEnds", crOnly(kHeader) + row("A", "2023-01-01") + row("A", "2023-01-02", "x"), 3, "'x'"},
        Bad{"QuoteNeverClosed", kHeader + row("A", "2023-01-01") + "A,\"2023-01-02\n\n\n", 3, "quoted"},
        Bad{"DuplicateNamesBothPlaces", kHeader + row("A", "2023-01-01") + row("A", "2023-01-01"), 3,
            "first at h.csv:2"},
        // Rows of short readings alone, which a single pass reads as whole lines.
        Bad{"ShortFormTwentyFiveCells",
            kHeader + rowOf("A", "2023-01-01", "1.25") + rowOf("A", "2023-01-02", "1.25", 23), 3, "25 cells"},
        Bad{"ShortFormTwentySevenCells",
            kHeader + rowOf("A", "2023-01-01", "1.25") + rowOf("A", "2023-01-02", "1.25", 25), 3, "27 cells"},
        Bad{"ShortFormDayThatDoesNotExist",
            kHeader + rowOf("A", "2023-01-01", "1.25") + rowOf("A", "2023-02-30", "1.25"), 3, "2023-02-30"},
        Bad{"ShortFormDuplicateDay",
            kHeader + rowOf("A", "2023-01-01", "1.25") + rowOf("A", "2023-01-02", "1.25") +
                rowOf("A", "2023-01-01", "1.25"),
            4, "first at h.csv:2"},
        Bad{"ShortFormTooLarge", kHeader + rowOf("A", "2023-01-01", "1.25") + rowOf("A", "2023-01-02", "1000000000.0"),
            3, "beyond the largest"},
        Bad{"ShortFormAfterAStationWithAComma",
            kHeader + rowOf("\"A,B\"", "2023-01-01", "1.25") + rowOf("A,B", "2023-01-02", "1.25"), 3, "27 cells"},
        Bad{"ShortFormThenLetters", kHeader + rowOf("A", "2023-01-01", "1.25") + rowOf("A", "2023-01-02", "1.25x"), 3,
            "'1.25x'"}),
    [](const testing::TestParamInfo<Bad>& info) { return info.param.name; });

}  // namespace
}  // namespace tellvane
