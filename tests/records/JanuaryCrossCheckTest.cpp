// The control's daily means of the January hourly downloads equal the official
// daily values that the database publishes for the same days.

#include <gtest/gtest.h>

#include "control/TZenzu.h"
#include "records/DataFiles.h"
#include "records/YearBlockSource.h"
#include "records/YearSelection.h"
#include "tests/records/TestFiles.h"
#include "tests/support/FakePlatform.h"

namespace tellvane {
namespace {

const auto kMoshiri = test::samplesDir() / "moshiri_301011281104010";

class JanuaryCrossCheck : public testing::TestWithParam<const char*> {};

TEST_P(JanuaryCrossCheck, DailyMeansOfTheHourlyFileAreTheOfficialDailyValues) {
    const std::string kind = GetParam();
    const StationRecords hourly = loadRecords({kMoshiri / "hourly" / ("jikoku_" + kind + "_2023-01.dat")});
    const StationRecords daily = loadRecords({kMoshiri / "daily" / ("nichi_" + kind + "_2023.dat")});
    const SelectedYear year = selectYear(hourly, {});
    ASSERT_NE(year.series, nullptr);

    test::TestPlatform platform;
    TZenzu control(platform.platform());
    YearBlockSource source(year.series, year.year, {});
    control.setEvents(&source);
    control.setKansokujoNO(year.station);
    control.setSeireki(year.year);
    control.setMode(modeOf(year, std::nullopt));
    ASSERT_TRUE(control.NenZu());

    const Series& official = daily.all().front();
    for (int d = 1; d <= 31; ++d)
        EXPECT_EQ(control.store().DayTable(1, d), official.days.at({2023, 1, d})[0]) << "January " << d;
    EXPECT_EQ(control.store().DayTable(2, 1), u"");  // February is not in the hourly file
}

INSTANTIATE_TEST_SUITE_P(Moshiri2023, JanuaryCrossCheck, testing::Values("suii", "ryuryo"));

}  // namespace
}  // namespace tellvane
