#include <gtest/gtest.h>

#include <vector>

#include "records/CsvRecords.h"

namespace tellvane {
namespace {

struct Parsed {
    std::vector<std::string> cells;
    long line;
    bool operator==(const Parsed&) const = default;
};

std::vector<Parsed> parse(const std::string& text) {
    std::vector<Parsed> out;
    readCsvRecords(text, "t.csv", [&](const CsvRecord& r) { out.push_back({r.cells, r.place.line}); });
    return out;
}

struct Case {
    const char* name;
    std::string text;
    std::vector<Parsed> expected;
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

class CsvRecordsReads : public testing::TestWithParam<Case> {};

TEST_P(CsvRecordsReads, RecordsAndTheirLines) { EXPECT_EQ(parse(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Layouts, CsvRecordsReads,
    testing::Values(Case{"Plain", "a,b\nc,d\n", {{{"a", "b"}, 1}, {{"c", "d"}, 2}}},
                    Case{"ByteOrderMark",
                         "\xEF\xBB\xBF"
                         "a,b\n",
                         {{{"a", "b"}, 1}}},
                    Case{"CrLf", "a,b\r\nc,d\r\n", {{{"a", "b"}, 1}, {{"c", "d"}, 2}}},
                    Case{"LoneCr", "a,b\rc,d\r\re\r", {{{"a", "b"}, 1}, {{"c", "d"}, 2}, {{"e"}, 4}}},
                    Case{"CrInsideQuotes", "\"x\r\ny\",2\rz\n", {{{"x\r\ny", "2"}, 1}, {{"z"}, 3}}},
                    Case{"NoFinalLineBreak", "a,b", {{{"a", "b"}, 1}}}, Case{"EmptyCells", ",,\n", {{{"", "", ""}, 1}}},
                    Case{"Comments", "# note, \"odd\n#\na\n# x\nb\n", {{{"a"}, 3}, {{"b"}, 5}}},
                    Case{"HashLaterInLineIsContent", "a,#b\n", {{{"a", "#b"}, 1}}},
                    Case{"BlankLinesSkipped", "a\n\nb\n", {{{"a"}, 1}, {{"b"}, 3}}},
                    Case{"Quoted", "\"a,b\",\"c\"\"d\",\"\"\n", {{{"a,b", "c\"d", ""}, 1}}},
                    Case{"TrimmedAroundCells", " a ,\tb\t, c d \n", {{{"a", "b", "c d"}, 1}}},
                    Case{"QuotesKeepTheirSpaces", "  \" x \"  ,y\n", {{{" x ", "y"}, 1}}},
                    Case{"LineBreakInQuotes", "\"x\ny\",2\nz,3\n", {{{"x\ny", "2"}, 1}, {{"z", "3"}, 3}}},
                    Case{"HashInsideQuotesIsContent", "\"a\n#b\",c\nd\n", {{{"a\n#b", "c"}, 1}, {{"d"}, 3}}}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

struct Bad {
    const char* name;
    std::string text;
    long line;
    friend void PrintTo(const Bad& c, std::ostream* os) { *os << c.name; }
};

class CsvRecordsRejects : public testing::TestWithParam<Bad> {};

TEST_P(CsvRecordsRejects, NamingTheLine) {
    try {
        parse(GetParam().text);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(e.file(), "t.csv");
        EXPECT_EQ(e.line(), GetParam().line) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Malformed, CsvRecordsRejects,
                         testing::Values(Bad{"QuoteInsideUnquotedCell", "a,b\nx\"y,z\n", 2},
                                         Bad{"TextAfterClosingQuote", "a\n\"ab\"c,d\n", 2},
                                         Bad{"QuoteNeverClosedNamesWhereItOpens", "a\nb\n\"open\nmore\n", 3},
                                         Bad{"QuoteNeverClosedAfterCr", "a\rb\r\"open\rmore\r", 3},
                                         Bad{"MalformedAfterCrLf", "a\r\nb\r\nx\"y\r\n", 3}),
                         [](const testing::TestParamInfo<Bad>& info) { return info.param.name; });

TEST(CsvRecords, AnErrorOfTheHandlerKeepsItsPlace) {
    try {
        readCsvRecords("a\nb\n", "t.csv", [](const CsvRecord& r) {
            if (r.cells[0] == "b") throw r.place.error("no b");
        });
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_STREQ(e.what(), "t.csv:2: no b");
    }
}

// Chunk boundaries anywhere, CR LF split between two among them, give the same records.
TEST(CsvRecords, ReadsTheSameInChunksOfAnySize) {
    const std::string text = "# c\r\na,\"b\r\nc\"\r\nd,e\rf\n\n";
    const std::vector<Parsed> whole = parse(text);
    for (std::size_t size = 1; size <= text.size(); ++size) {
        std::vector<Parsed> out;
        std::size_t at = 0;
        readCsvRecords(
            [&] {
                const std::string_view piece = std::string_view(text).substr(at, size);
                at += piece.size();
                return piece;
            },
            "t.csv",
            [&](const CsvRecord& r) {
                out.push_back({r.cells, r.place.line});
            });
        EXPECT_EQ(out, whole) << "chunks of " << size;
    }
    EXPECT_EQ(whole.size(), 3u);
}

}  // namespace
}  // namespace tellvane
