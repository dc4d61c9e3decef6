#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include "common/Error.h"
#include "yeardata/BlockSyukei.h"

namespace tellvane {
namespace {

struct Case {
    const char* name;
    std::map<int, std::u16string> hours;  // hour -> reading text of row 1
    std::u16string mode;
    const char16_t *sum, *mean, *sixEighteen, *even, *midRange;
};

// Column 29 starts as "old" so that a test sees whether it was kept.
const Case kCases[] = {
    {"all empty", {}, u"4", u"", u"", u"", u"", u"old"},
    {"only hour 7", {{7, u"1.5"}}, u"4", u"1.50", u"1.50", u"", u"", u"old"},
    {"hours 6 and 18", {{6, u"1.00"}, {18, u"2.00"}}, u"1", u"3.00", u"1.50", u"1.50", u"1.50", u"old"},
    {"missing markers", {{1, u"-999"}, {2, u"-999.0"}, {3, u"2"}}, u"1", u"2.00", u"2.00", u"", u"", u"old"},
    {"below the marker is valid", {{1, u"-999.5"}, {3, u"0.5"}}, u"1", u"-999.00", u"-499.50", u"", u"", u"old"},
    {"text without a number is 0", {{1, u"abc"}, {3, u"3"}}, u"1", u"3.00", u"1.50", u"", u"", u"old"},
    {"blanks only are 0", {{2, u"  "}, {4, u"4"}}, u"1", u"4.00", u"2.00", u"", u"2.00", u"old"},
    {"sum is not rounded first", {{1, u"0.1"}, {3, u"0.2"}}, u"1", u"0.30", u"0.15", u"", u"", u"old"},
    {"mid-range with mode 4", {{1, u"1.00"}, {2, u"2.01"}}, u"4", u"3.01", u"1.51", u"", u"2.01", u"1.51"},
    {"mid-range only with mode 4", {{1, u"1.00"}, {2, u"2.01"}}, u" 4", u"3.01", u"1.51", u"", u"2.01", u"old"},
    {"mid-range beyond 999", {{1, u"1500"}, {2, u"1600"}}, u"4", u"3100.00", u"1550.00", u"", u"1600.00", u"1550.00"},
    {"mid-range below -999",
     {{1, u"-1500"}, {2, u"-1600"}},
     u"4",
     u"-3100.00",
     u"-1550.00",
     u"",
     u"-1600.00",
     u"-1550.00"},
    {"mean of the valid hours", {{1, u"1"}, {2, u"2"}, {3, u"2"}}, u"1", u"5.00", u"1.67", u"", u"2.00", u"old"},
};

TEST(BlockSyukei, AggregatesADayIntoItsColumns) {
    for (const Case& c : kCases) {
        auto block = std::make_unique<BlockArray>();
        (*block)(0, 0) = u"1";
        for (int col = 25; col <= 28; ++col) (*block)(col, 1) = u"stale";
        (*block)(29, 1) = u"old";
        for (const auto& [h, text] : c.hours) (*block)(h, 1) = text;
        BlockSyukei(*block, c.mode);
        EXPECT_EQ((*block)(25, 1), c.sum) << c.name;
        EXPECT_EQ((*block)(26, 1), c.mean) << c.name;
        EXPECT_EQ((*block)(27, 1), c.sixEighteen) << c.name;
        EXPECT_EQ((*block)(28, 1), c.even) << c.name;
        EXPECT_EQ((*block)(29, 1), c.midRange) << c.name;
    }
}

TEST(BlockSyukei, ABlockOfNoDaysChangesNothing) {
    auto block = std::make_unique<BlockArray>();
    (*block)(0, 0) = u"0";
    (*block)(1, 1) = u"5";
    (*block)(25, 1) = u"x";
    BlockSyukei(*block, u"1");
    EXPECT_EQ((*block)(25, 1), u"x");
}

int errorOf(const std::u16string& dayCount, BlockArray& block) {
    block(0, 0) = dayCount;
    try {
        BlockSyukei(block, u"1");
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

TEST(BlockSyukei, RejectsADayCountThatIsNoNumberOrTooLarge) {
    auto block = std::make_unique<BlockArray>();
    EXPECT_EQ(errorOf(u"", *block), kTypeMismatch);
    EXPECT_EQ(errorOf(u"abc", *block), kTypeMismatch);
    EXPECT_EQ(errorOf(u"10x", *block), kTypeMismatch);
    EXPECT_EQ(errorOf(u"11.5", *block), kSubscriptOutOfRange);  // rounds to 12
    EXPECT_EQ(errorOf(u"10.5", *block), 0);                     // rounds to 10
    (*block)(5, 11) = u"7";
    EXPECT_EQ(errorOf(u"12", *block), kSubscriptOutOfRange);
    EXPECT_EQ((*block)(26, 11), u"7.00");  // rows 1 to 11 were aggregated first
}

}  // namespace
}  // namespace tellvane
