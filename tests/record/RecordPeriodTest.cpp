#include <gtest/gtest.h>

#include <vector>

#include "record/RecordPeriod.h"

namespace tellvane {
namespace {

// A year with the drought flow given, every other value derived from it, and the
// days missing; a year missing 11 or more days does not reach the drought rank.
YearRecord year(int y, double drought, int missing = 0) {
    YearRecord r;
    r.year = y;
    r.missingDays = missing;
    r.daysWithData = 365 - missing;
    for (int slot = kStatMax; slot <= kStatMean; ++slot)
        if (r.daysWithData >= daysNeeded(static_cast<StatSlot>(slot)))
            r.stats[static_cast<std::size_t>(slot - 1)] = drought + (kStatDrought - slot);
    return r;
}

// Drought flows 1..n in a scrambled order, so that the rank is found by sorting.
std::vector<YearRecord> years(int n) {
    std::vector<YearRecord> out;
    for (int i = 0; i < n; ++i) out.push_back(year(2000 + i, double((i * 7) % n + 1)));
    return out;
}

TEST(RecordPeriod, DroughtOfOnceInTenYearsIsTheRankOfEachFullTen) {
    struct Case {
        int years;
        std::optional<double> drought10;
        int rank;
    };
    for (const Case& c : {Case{9, std::nullopt, 0}, Case{10, 1.0, 1}, Case{19, 1.0, 1}, Case{20, 2.0, 2},
                          Case{29, 2.0, 2}, Case{30, 3.0, 3}}) {
        const RecordPeriod p = summarisePeriod(years(c.years), SeriesKind::Discharge, 0);
        EXPECT_EQ(p.drought10, c.drought10) << c.years << " years";
        EXPECT_EQ(p.drought10Rank, c.rank) << c.years << " years";
    }
    // Water levels have no drought flow.
    EXPECT_EQ(summarisePeriod(years(20), SeriesKind::Level, 0).drought10, std::nullopt);
}

TEST(RecordPeriod, YearsMissingTheRuleAreLeftOut) {
    std::vector<YearRecord> ys = {year(2001, 5.0), year(2002, 1.0, 3), year(2003, 9.0), year(2004, 2.0, 12)};
    ys.push_back(year(2005, 0.0, 365));  // no day at all
    struct Case {
        int allowed;
        std::vector<int> in, out;
        double droughtMean;
        int droughtYears;
    };
    for (const Case& c : {Case{0, {2001, 2003}, {2002, 2004, 2005}, 7.0, 2},
                          Case{3, {2001, 2002, 2003}, {2004, 2005}, 5.0, 3},
                          // 2004 counts but lacks a drought flow: the column has three years.
                          Case{12, {2001, 2002, 2003, 2004}, {2005}, 5.0, 3}}) {
        const RecordPeriod p = summarisePeriod(ys, SeriesKind::Discharge, c.allowed);
        EXPECT_EQ(p.years, c.in) << c.allowed;
        EXPECT_EQ(p.leftOut, c.out) << c.allowed;
        EXPECT_EQ(p.column(kStatDrought).mean, c.droughtMean) << c.allowed;
        EXPECT_EQ(p.column(kStatDrought).years, c.droughtYears) << c.allowed;
    }
}

TEST(RecordPeriod, ExtremesNameTheirFirstYearAndTheMeanIsRoundedAsTheYears) {
    const std::vector<YearRecord> ys = {year(2001, 1.0), year(2002, 3.0), year(2003, 3.0), year(2004, 1.0),
                                        year(2005, 1.001)};
    const RecordPeriod p = summarisePeriod(ys, SeriesKind::Level, 0);
    const PeriodColumn& c = p.column(kStatDrought);
    EXPECT_EQ(c.max, 3.0);
    EXPECT_EQ(c.maxYear, 2002);
    EXPECT_EQ(c.min, 1.0);
    EXPECT_EQ(c.minYear, 2001);
    EXPECT_EQ(c.mean, 1.8);  // 9.001 / 5 = 1.8002
    const RecordPeriod none = summarisePeriod({year(2001, 0.0, 365)}, SeriesKind::Level, 0);
    EXPECT_EQ(none.column(kStatMax).mean, std::nullopt);
    EXPECT_EQ(none.column(kStatMax).maxYear, 0);
}

}  // namespace
}  // namespace tellvane
