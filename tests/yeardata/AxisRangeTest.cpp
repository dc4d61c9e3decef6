#include <gtest/gtest.h>

#include "common/Text.h"
#include "yeardata/AxisRange.h"

namespace tellvane {
namespace {

TEST(AxisRange, SnapsToTidyLimits) {
    struct Case {
        double yMin, yMax;
        const char *hi, *lo;
    } cases[] = {
        {1.23, 5.67, "6", "0"},
        {12.3, 15.1, "16", "12"},
        {25.4, 87.9, "89", "25"},
        {2, 12, "14", "2"},
        {2, 12.5, "16", "0"},
        {5, 5, "7", "5"},
        {321.46, 322.53, "323", "321"},
        {1.2, 114.95, "116", "0"},
        {0, 0, "2", "0"},
        {3.9, 14.1, "16", "0"},
        {4, 14.1, "16", "4"},
        {1000.5, 2000.25, "2004", "1000"},
        // A stage below its datum keeps its negative limit instead of snapping to 0.
        {-1.5, 3.2, "4.5", "-1.5"},
        {-1.8, -0.6, "0", "-2"},
        {-0.98, 6.04, "7", "-1"},
        {-20.5, -3, "-1", "-21"},
        {-0.25, -0.25, "1.5", "-0.5"},
    };
    for (const auto& c : cases) {
        const AxisRange r = axisRange(true, c.yMin, c.yMax);
        EXPECT_EQ(toUtf8(plainDecimal(r.hi)), c.hi) << c.yMin << " " << c.yMax;
        EXPECT_EQ(toUtf8(plainDecimal(r.lo)), c.lo) << c.yMin << " " << c.yMax;
        EXPECT_GT(r.hi, r.lo);
        EXPECT_LE(r.lo, c.yMin);
        EXPECT_GE(r.hi, c.yMax);
    }
}

TEST(AxisRange, HugeEqualValuesStillGetARange) {
    const AxisRange r = axisRange(true, 5e15, 5e15);
    EXPECT_GT(r.hi, r.lo);
    EXPECT_EQ(r.lo, 5e15);
}

TEST(AxisRange, AYearWithoutDataGetsTheRangeOfAnAllZeroYear) {
    const AxisRange r = axisRange(false, 0, 0);
    EXPECT_EQ(r.hi, 2);
    EXPECT_EQ(r.lo, 0);
}

}  // namespace
}  // namespace tellvane
