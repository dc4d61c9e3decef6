// Text hygiene: invisible and control characters where the grammar allows none are
// refused at their file and line, and shown escaped.

#include <gtest/gtest.h>

#include "records/HourlyCsv.h"
#include "records/StationCatalogue.h"

namespace tellvane {
namespace {

const std::string kHeader = "station,date,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\n";

std::string day(const std::string& station, const std::string& firstCell = "1.00") {
    std::string row = station + ",2023-01-01," + firstCell;
    for (int h = 2; h <= 24; ++h) row += ",1.00";
    return row + "\n";
}

struct Case {
    const char* name;
    bool catalogue;
    std::string text;
    long line;
    std::string shown;  // the offending character as the message shows it
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

class InvisibleText : public testing::TestWithParam<Case> {};

TEST_P(InvisibleText, IsRefusedAtItsLineAndShownEscaped) {
    try {
        if (GetParam().catalogue) {
            readStationCatalogue(GetParam().text, "t.csv");
        } else {
            StationRecords records;
            readHourlyCsv(GetParam().text, "t.csv", records);
        }
        FAIL() << "read";
    } catch (const InputError& e) {
        EXPECT_EQ(e.file(), "t.csv");
        EXPECT_EQ(e.line(), GetParam().line) << e.what();
        EXPECT_NE(e.message().find(GetParam().shown), std::string::npos) << e.what();
        for (const char c : e.message()) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20) << e.what();
    }
}

const std::string kCatalogue = "station,name,water_system,river\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, InvisibleText,
    testing::Values(
        // As when two CSV files are joined: the second one's mark opens a data line.
        Case{"ByteOrderMarkOpeningADataLine", false, kHeader + day("1") + "\xEF\xBB\xBF" + day("1"), 3, "U+FEFF"},
        Case{"ByteOrderMarkBeforeTheHeaderOfAJoinedFile", false, kHeader + day("1") + "\xEF\xBB\xBF" + kHeader, 3,
             "U+FEFF"},
        Case{"NoBreakSpaceInAReading", false, kHeader + day("1", "1.0\xC2\xA0"), 2, "U+00A0"},
        Case{"ByteOrderMarkInAReading", false, kHeader + day("1", "\xEF\xBB\xBF" "1.0"), 2, "U+FEFF"},
        Case{"ZeroWidthSpaceInAStationNumber", false, kHeader + day("30\xE2\x80\x8B" "1"), 2, "U+200B"},
        Case{"EscapeInAStationNumber", false, kHeader + day("1\x1B[31m"), 2, "\\x1B"},
        Case{"QuotedLineBreakInACatalogueName", true, kCatalogue + "1,\"額\n田\",久慈川,久慈川\n", 2, "\\x0A"},
        Case{"EscapeInACatalogueName", true, kCatalogue + "1,額田\x1B]0;x\x07,久慈川,久慈川\n", 2, "\\x1B"},
        Case{"BellInACatalogueRiver", true, kCatalogue + "1,額田,久慈川,久慈\x07川\n", 2, "\\x07"},
        Case{"EscapeInACatalogueStationNumber", true, kCatalogue + "1\x1B,額田,久慈川,久慈川\n", 2, "\\x1B"}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

}  // namespace
}  // namespace tellvane
