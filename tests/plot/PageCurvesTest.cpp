// The data lines: duration staircase, leaders and daily step line, and what equal
// or enormous axis limits do to them.

#include <gtest/gtest.h>

#include <map>

#include "common/Text.h"
#include "tests/plot/PlotBench.h"

namespace tellvane::test {
namespace {

constexpr double kMonth = 350.0 / 12;

// Sen2Pen "5" and Sen1Pen "3" tell the three curves apart: staircase and leaders by
// their optional values.
struct Curves {
    std::vector<Json> staircase, leaders, stepLine;
};
Curves curvesOf(const std::vector<Json>& records) {
    Curves c;
    for (const Json& l : ofOp(records, "DrawLine")) {
        if (l["pen"] == "3")
            c.stepLine.push_back(l);
        else if (l["pen"] == "5")
            (l["opt"][0].is_null() ? c.staircase : c.leaders).push_back(l);
    }
    return c;
}

void expectLine(const Json& l, double x1, double y1, double x2, double y2) {
    EXPECT_NEAR(l["x1"], x1, 1e-9) << l;
    EXPECT_NEAR(l["y1"], y1, 1e-9) << l;
    EXPECT_NEAR(l["x2"], x2, 1e-9) << l;
    EXPECT_NEAR(l["y2"], y2, 1e-9) << l;
}

double dayX(int m, int d) { return 50 + (m - 1) * kMonth + (d - 1) * kMonth / 31; }
double countX(int n) { return n * kMonth / 31 + 50; }

// Values 3, 2, 2, 1 on four days; the axis runs from 0 to 4, so y(v) = 20 + 57.5 v.
YearHost fourDays() {
    const std::map<std::pair<int, int>, std::u16string> days = {
        {{1, 1}, u"3"}, {{1, 2}, u"2"}, {{2, 1}, u"2"}, {{3, 31}, u"1"}};
    return YearHost::daily(2001, [days](int m, int d) {
        const auto it = days.find({m, d});
        return it == days.end() ? std::u16string() : it->second;
    });
}

double y(double v) { return 20 + 57.5 * v; }

TEST(PlotCurves, TheStaircaseStepsDownOneTreadPerDistinctValue) {
    PlotBench bench(fourDays());
    bench.pens({{u"Sen2Pen", u"5"}, {u"Sen1Pen", u"3"}});
    ASSERT_EQ(bench.control.txtMax(), u"4");
    ASSERT_EQ(bench.control.txtMin(), u"0");
    const auto s = curvesOf(bench.plot()).staircase;
    ASSERT_EQ(s.size(), 5u);
    expectLine(s[0], 50, y(3), countX(1), y(3));
    expectLine(s[1], countX(1), y(3), countX(1), y(2));
    expectLine(s[2], countX(1), y(2), countX(3), y(2));
    expectLine(s[3], countX(3), y(2), countX(3), y(1));
    expectLine(s[4], countX(3), y(1), countX(4), y(1));
    for (const Json& l : s) EXPECT_EQ(l["opt"], Json::parse("[null,null,1]"));
}

TEST(PlotCurves, TheStepLineRunsOverGapsAndMonthEnds) {
    PlotBench bench(fourDays());
    bench.pens({{u"Sen2Pen", u"5"}, {u"Sen1Pen", u"3"}});
    const auto s = curvesOf(bench.plot()).stepLine;
    const double slot = kMonth / 31;
    ASSERT_EQ(s.size(), 7u);
    expectLine(s[0], dayX(1, 1), y(3), dayX(1, 1) + slot, y(3));
    expectLine(s[1], dayX(1, 2), y(3), dayX(1, 2), y(2));
    expectLine(s[2], dayX(1, 2), y(2), dayX(1, 2) + slot, y(2));
    expectLine(s[3], dayX(2, 1), y(2), dayX(2, 1), y(2));  // a riser of no height is still drawn
    expectLine(s[4], dayX(2, 1), y(2), dayX(2, 1) + slot, y(2));
    expectLine(s[5], dayX(3, 31), y(2), dayX(3, 31), y(1));
    expectLine(s[6], dayX(3, 31), y(1), dayX(3, 31) + slot, y(1));
    for (const Json& l : s) EXPECT_EQ(l["opt"], Json::parse("[null,null,1]"));
}

TEST(PlotCurves, FebruaryLeavesItsLastSlotsEmptyAndMarchClimbsFromItsLevel) {
    PlotBench bench(YearHost::daily(2001, [](int m, int d) -> std::u16string {
        if (m == 1 && d == 10) return u"1";
        if (m == 2) return u"2";
        if (m == 3 && d == 1) return u"3";
        return u"";
    }));
    bench.pens({{u"Sen2Pen", u"5"}, {u"Sen1Pen", u"3"}});
    bench.control.settxtMin(u"0");
    bench.control.settxtMax(u"4");
    const auto s = curvesOf(bench.plot()).stepLine;
    ASSERT_EQ(s.size(), 2u * 30 - 1);
    // The line starts on 10 January without a riser.
    expectLine(s[0], dayX(1, 10), y(1), dayX(1, 10) + kMonth / 31, y(1));
    // The riser at 1 March stands at its slot and climbs from 28 February's level.
    expectLine(s[s.size() - 2], dayX(3, 1), y(2), dayX(3, 1), y(3));
    for (int d = 1; d <= 28; ++d)
        expectLine(s[static_cast<std::size_t>(2 * d)], dayX(2, d), y(2), dayX(2, d) + kMonth / 31, y(2));
    expectLine(s.back(), dayX(3, 1), y(3), dayX(3, 1) + kMonth / 31, y(3));
}

// Each leader rises from the middle of its rank's day slot at the statistic's height
// to the middle of its table row, then runs to just outside the table.
TEST(PlotCurves, LeadersTieTheCharacteristicValuesToTheirTableRows) {
    PlotBench bench(distinctYear());
    bench.pens({{u"Sen2Pen", u"5"}, {u"Sen1Pen", u"3"}});
    const AnnualStore& store = bench.control.store();
    const auto leaders = curvesOf(bench.plot()).leaders;
    ASSERT_EQ(leaders.size(), 12u);
    const double x[] = {50.47, 138.91, 223.59, 308.27, 383.53, 392.94};
    const double row[] = {232.75, 221.25, 209.75, 198.25, 186.75, 175.25};
    const double end[] = {311.5, 311.5, 311.5, 311.5, 371.83, 371.83};
    const double vmin = leadingNumber(bench.control.txtMin());
    const double step = (leadingNumber(bench.control.txtMax()) - vmin) / 4;
    for (int k = 1; k <= 6; ++k) {
        SCOPED_TRACE(k);
        const Json& up = leaders[static_cast<std::size_t>(2 * k - 2)];
        const Json& across = leaders[static_cast<std::size_t>(2 * k - 1)];
        EXPECT_NEAR(up["x1"], x[k - 1], 0.005);
        EXPECT_EQ(up["x2"], up["x1"]);
        EXPECT_NEAR(up["y1"], (store.Stats(k) - vmin) * 57.5 / step + 20, 1e-9);
        EXPECT_DOUBLE_EQ(up["y2"], row[k - 1]);
        EXPECT_EQ(across["x1"], up["x1"]);
        EXPECT_EQ(across["y1"], up["y2"]);
        EXPECT_NEAR(across["x2"], end[k - 1], 0.005);
        EXPECT_EQ(across["y2"], across["y1"]);
        EXPECT_EQ(up["opt"], Json::parse("[1,1,1]"));
        EXPECT_EQ(across["opt"], Json::parse("[1,1,1]"));
    }
}

TEST(PlotCurves, AYearWithoutValuesStillGetsItsLeadersFromZero) {
    PlotBench bench(constantYear(u""));
    bench.pens({{u"Sen2Pen", u"5"}, {u"Sen1Pen", u"3"}});
    bench.control.settxtMin(u"0");
    bench.control.settxtMax(u"100");
    const Curves c = curvesOf(bench.plot());
    EXPECT_TRUE(c.staircase.empty());
    EXPECT_TRUE(c.stepLine.empty());
    ASSERT_EQ(c.leaders.size(), 12u);
    for (std::size_t i = 0; i < 12; i += 2) EXPECT_EQ(c.leaders[i]["y1"], 20);
}

// Equal limits leave no scale for values: the grid is complete (its labels all show
// the minimum), and the first value placed fails, be it the staircase's first
// entry or, without one, the first leader's statistic.
TEST(PlotCurves, EqualLimitsFailAtTheFirstValuePlaced) {
    struct Case {
        const char* year;
        YearHost host;
    } cases[] = {{"with values", distinctYear()}, {"without values", constantYear(u"")}};
    for (auto& c : cases) {
        SCOPED_TRACE(c.year);
        PlotBench bench(c.host);
        bench.control.settxtMin(u"5");
        bench.control.settxtMax(u"5");
        EXPECT_EQ(bench.plotFailure(), kDivisionByZero);
        const auto records = bench.records();
        EXPECT_EQ(records.size(), 13u + 70 + 41);
        const auto labels = ofOp(records, "DrawText");
        for (int k = 0; k < 5; ++k) EXPECT_EQ(labels.at(static_cast<std::size_t>(k))["text"], "5.00");
        EXPECT_TRUE(ofOp(records, "OutputToFile").empty());
        EXPECT_EQ(bench.docs.created(), 1);
        EXPECT_EQ(bench.docs.alive(), 0);
        EXPECT_TRUE(bench.tp.screen.pointers.empty());  // never shown busy
        EXPECT_EQ(bench.host.nameCalls, 1);             // the screen chart's only
    }
}

TEST(PlotCurves, LimitsTooFarApartForAScaleFailWithOverflow) {
    PlotBench bench(distinctYear());
    bench.control.settxtMin(u"-1e308");
    bench.control.settxtMax(u"1e308");
    EXPECT_EQ(bench.plotFailure(), kOverflow);
    // Frame and header cells are drawn before the scale is taken.
    EXPECT_EQ(bench.records().size(), 13u + 14);
    EXPECT_EQ(bench.docs.alive(), 0);
}

}  // namespace
}  // namespace tellvane::test
