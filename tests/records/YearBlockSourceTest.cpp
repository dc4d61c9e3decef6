#include <gtest/gtest.h>

#include "records/YearBlockSource.h"

namespace tellvane {
namespace {

HourCells hours(const std::u16string& prefix) {
    HourCells out;
    for (int h = 0; h < 24; ++h) out[h] = prefix + std::u16string(1, static_cast<char16_t>(u'a' + h));
    return out;
}

class YearBlockSourceTest : public testing::Test {
protected:
    YearBlockSourceTest() {
        Series& s = records.series(u"A", SeriesKind::Level);
        records.addDay(s, {2024, 1, 1}, hours(u"1/1"), {"t", 1});
        records.addDay(s, {2024, 1, 12}, hours(u"1/12"), {"t", 2});
        records.addDay(s, {2024, 1, 14}, hours(u"1/14"), {"t", 5});
        records.addDay(s, {2024, 2, 29}, hours(u"2/29"), {"t", 3});
        records.addDay(s, {2023, 1, 1}, hours(u"last year"), {"t", 4});
        series = &records.all()[0];
    }
    bool raise(YearBlockSource& source, std::int32_t datano) {
        bool ret = false;
        source.GetBlockData(datano, Suii, ret);
        return ret;
    }
    StationRecords records;
    const Series* series;
    BlockArray Suii;
};

TEST_F(YearBlockSourceTest, FillsEachTenDayPartWithItsDays) {
    YearBlockSource source(series, 2024, {});
    ASSERT_TRUE(raise(source, 1));
    EXPECT_EQ(Suii(0, 0), u"10");
    EXPECT_EQ(Suii(1, 1), u"1/1a");
    EXPECT_EQ(Suii(24, 1), u"1/1x");
    EXPECT_EQ(Suii(1, 2), u"");  // 2 January is not in the data

    ASSERT_TRUE(raise(source, 2));
    EXPECT_EQ(Suii(1, 1), u"");  // what block 1 left is overwritten
    EXPECT_EQ(Suii(12, 2), u"1/12l");
    EXPECT_EQ(Suii(1, 3), u"");  // 13 January, between two days given
    EXPECT_EQ(Suii(1, 4), u"1/14a");

    ASSERT_TRUE(raise(source, 6));  // 21 to 29 February of a leap year
    EXPECT_EQ(Suii(0, 0), u"9");
    EXPECT_EQ(Suii(24, 9), u"2/29x");

    ASSERT_TRUE(raise(source, 36));
    EXPECT_EQ(Suii(0, 0), u"11");
    EXPECT_EQ(Suii(24, 11), u"");
}

TEST_F(YearBlockSourceTest, AYearWithoutReadingsIsNotLoaded) {
    YearBlockSource none(nullptr, 2024, {});
    EXPECT_FALSE(raise(none, 1));
    YearBlockSource otherYear(series, 2022, {});
    EXPECT_FALSE(raise(otherYear, 1));
    EXPECT_EQ(Suii(0, 0), u"");
}

TEST_F(YearBlockSourceTest, ABlockOutsideTheYearIsNotLoaded) {
    YearBlockSource source(series, 2024, {});
    EXPECT_FALSE(raise(source, 0));
    EXPECT_FALSE(raise(source, 37));
}

TEST_F(YearBlockSourceTest, GivesTheNamesAndLeavesWok) {
    YearBlockSource source(series, 2024, {u"茂志利", u"天塩川", u"天塩川 本流"});
    std::u16string Wok = u"A", Kansokujo, Suikei, Kasen;
    source.GetLKansokujo(Wok, Kansokujo, Suikei, Kasen);
    EXPECT_EQ(Wok, u"A");
    EXPECT_EQ(Kansokujo, u"茂志利");
    EXPECT_EQ(Suikei, u"天塩川");
    EXPECT_EQ(Kasen, u"天塩川 本流");
}

}  // namespace
}  // namespace tellvane
