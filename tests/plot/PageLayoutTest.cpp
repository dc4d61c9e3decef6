// The page's set-up, frame and grid, the number of calls each part makes, and a few
// records word for word.

#include <gtest/gtest.h>

#include <algorithm>

#include "common/Text.h"
#include "tests/plot/PlotBench.h"
#include "tests/support/Trace.h"

namespace tellvane::test {
namespace {

constexpr double kMonth = 350.0 / 12;

TEST(PlotPage, RecordsTheSetUpAndKnownCallsWordForWord) {
    PlotBench bench(constantYear(u"100"));
    bench.pens({{u"Sen2Pen", u"2"}});
    bench.control.settxtMax(u"100");
    bench.control.settxtMin(u"0");
    bench.plot();
    const auto& lines = bench.docs.lines();
    const std::vector<std::string> setUp = {
        R"({"op":"SetupValue10","value":1})",
        R"({"op":"SetupValue11","value":3})",
        R"({"op":"StartDocument"})",
        R"({"op":"SetupValue1","value":""})",
        R"({"op":"SetupValue7","value":0})",
        R"({"op":"SetupValue2","value":2})",
        R"({"op":"SetupValue9","value":1})",
        R"({"op":"SetupValue8","value":1})",
        R"({"op":"SetupValue12","value":true})",
        R"({"op":"SetupValue4","value":3})",
        R"({"op":"SetupValue3","value":2})",
        R"({"op":"SetupValue5","value":0})",
        R"({"op":"SetupValue6","value":0})",
        R"({"op":"DrawLine","x1":50,"y1":10,"x2":50,"y2":250,"pen":0,"opt":[null,null,null]})",
    };
    ASSERT_GE(lines.size(), setUp.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(setUp.size())), setUp);

    for (
        const char* line : {
            R"({"op":"DrawLine","x1":50.47043010752688,"y1":250,"x2":50.47043010752688,"y2":232.75,"pen":"2","opt":[1,1,1]})",
            R"({"op":"DrawText","x":49,"y":20,"text":"0.00","width":3,"height":3,"extra":0,"pen":0,"option":1,"anchor":5})",
            R"({"op":"DrawTitle","x":180,"y":268,"text":"日　水　位　年　図","width":9,"height":9,"extra":0,"pen":0,"option":null,"anchor":null})",
            R"({"op":"DrawText","x":63.5,"y":266,"text":"301011281101010","width":4,"height":4,"extra":0,"pen":0,"option":null,"anchor":1})",
        })
        EXPECT_TRUE(contains(lines, line)) << line;
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], R"({"op":"OutputToFile","path":"/usr/lib/M_g_l.kvd"})");
    EXPECT_EQ(lines.back(), R"({"op":"CloseDocument"})");
}

// 70 lines and 41 texts of grid, 2L - 1 staircase, 12 leader and 2D - 1 step-line
// lines, then 6 lines, 28 texts and the title of the captions.
TEST(PlotPage, MakesTheCallsOfEachPartForAnyYear) {
    struct Case {
        const char* year;
        YearHost host;
        int L, D;
    } cases[] = {
        {"without values", constantYear(u""), 0, 0},
        {"one value all year", constantYear(u"5"), 1, 365},
        {"a value per month", YearHost::daily(2001, [](int m, int) { return u16(std::to_string(m)); }), 12, 365},
        {"a value per day, leap", distinctYear(2004), 366, 366},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.year);
        PlotBench bench(c.host);
        const auto records = bench.plot();
        const int curves = (c.L ? 2 * c.L - 1 : 0) + 12 + (c.D ? 2 * c.D - 1 : 0);
        EXPECT_EQ(ofOp(records, "DrawLine").size(), static_cast<std::size_t>(70 + curves + 6));
        EXPECT_EQ(ofOp(records, "DrawText").size(), 41u + 28u);
        EXPECT_EQ(ofOp(records, "DrawTitle").size(), 1u);
        EXPECT_EQ(ofOp(records, "StartDocument").size(), 1u);
        EXPECT_EQ(ofOp(records, "OutputToFile").size(), 1u);
        EXPECT_EQ(ofOp(records, "CloseDocument").size(), 1u);
        EXPECT_EQ(records.size(), 13u + 70 + 41 + curves + 6 + 28 + 1 + 2);
    }
}

TEST(PlotPage, FramesThePlotAndRulesTheHeaderCells) {
    PlotBench bench(distinctYear());
    bench.pens({{u"Hougan1Pen", u"1"}, {u"Hougan2Pen", u"2"}});
    const auto lines = ofOp(bench.plot(), "DrawLine");
    const double expected[14][5] = {
        {50, 10, 50, 250, 1},    {50, 250, 400, 250, 1},  {400, 250, 400, 10, 1},  {400, 20, 50, 20, 1},
        {400, 10, 40, 10, 1},    {40, 10, 40, 260, 1},    {40, 260, 224, 260, 1},  {224, 260, 224, 250, 1},
        {50, 260, 50, 250, 2},   {73, 260, 73, 250, 2},   {108, 260, 108, 250, 2}, {131, 260, 131, 250, 2},
        {166, 260, 166, 250, 2}, {189, 260, 189, 250, 2},
    };
    for (int i = 0; i < 14; ++i) {
        const Json& l = lines.at(static_cast<std::size_t>(i));
        EXPECT_EQ(l["x1"], expected[i][0]) << i;
        EXPECT_EQ(l["y1"], expected[i][1]) << i;
        EXPECT_EQ(l["x2"], expected[i][2]) << i;
        EXPECT_EQ(l["y2"], expected[i][3]) << i;
        EXPECT_EQ(l["pen"], expected[i][4]) << i;
        EXPECT_EQ(l["opt"], Json::parse("[null,null,null]")) << i;
    }
}

TEST(PlotPage, PlacesTheRulesOfValuesMonthsAndTenDays) {
    PlotBench bench(distinctYear());
    bench.pens({{u"Hougan1Pen", u"1"}, {u"Hougan2Pen", u"2"}});
    const auto lines = ofOp(bench.plot(), "DrawLine");

    // After frame and header cells: 4 major value rules, 11 month rules, 16 minor
    // value rules, 24 ten-day rules, the statistics box's floor.
    for (int k = 0; k < 4; ++k) {
        const Json& l = lines.at(static_cast<std::size_t>(14 + k));
        EXPECT_DOUBLE_EQ(l["y1"], 20 + 57.5 * k);
        EXPECT_EQ(l["y2"], l["y1"]);
        EXPECT_EQ(l["x1"], 50);
        EXPECT_EQ(l["x2"], 400);
        EXPECT_EQ(l["pen"], 1);
    }
    const double monthRules[] = {79.17, 108.33, 137.5, 166.67, 195.83, 225, 254.17, 283.33, 312.5, 341.67, 370.83};
    for (int m = 0; m < 11; ++m) {
        const Json& l = lines.at(static_cast<std::size_t>(18 + m));
        EXPECT_NEAR(l["x1"], monthRules[m], 0.005) << m;
        EXPECT_EQ(l["x2"], l["x1"]);
        EXPECT_EQ(l["y1"], 10);
        EXPECT_EQ(l["y2"], 250);
        EXPECT_EQ(l["pen"], 1);
    }
    const double minorRules[] = {31.5,  43,  54.5,  66,  89,  100.5, 112, 123.5,
                                 146.5, 158, 169.5, 181, 204, 215.5, 227, 238.5};
    for (int k = 0; k < 16; ++k) {
        const Json& l = lines.at(static_cast<std::size_t>(29 + k));
        EXPECT_NEAR(l["y1"], minorRules[k], 1e-9) << k;
        EXPECT_EQ(l["y2"], l["y1"]);
        EXPECT_EQ(l["x1"], 50);
        EXPECT_EQ(l["x2"], 400);
        EXPECT_EQ(l["pen"], 2);
    }
    std::size_t i = 45;
    for (int j = 1; j <= 36; ++j) {
        if (j % 3 == 0) continue;
        const Json& l = lines.at(i++);
        EXPECT_NEAR(l["x1"], 50 + j * kMonth / 3, 1e-9) << j;
        EXPECT_EQ(l["x2"], l["x1"]);
        EXPECT_EQ(l["y1"], 20);
        // The rules under the statistics box stop at its floor.
        EXPECT_EQ(l["y2"], (j == 28 || j == 29 || j == 31 || j == 32) ? 158 : 250) << j;
        EXPECT_EQ(l["pen"], 2);
    }
    const Json& floor = lines.at(69);
    EXPECT_DOUBLE_EQ(floor["x1"], 312.5);
    EXPECT_NEAR(floor["x2"], 370.83, 0.005);
    EXPECT_EQ(floor["y1"], 158);
    EXPECT_EQ(floor["y2"], 158);
    EXPECT_EQ(floor["pen"], 1);
}

TEST(PlotPage, LabelsTheValueAxisFromTheLimitsAsTheyStand) {
    struct Case {
        const char16_t *min, *max;
        std::vector<std::string> labels;
    } cases[] = {
        {u"0", u"100", {"0.00", "25.00", "50.00", "75.00", "100.00"}},
        {u"100", u"0", {"100.00", "75.00", "50.00", "25.00", "0.00"}},
        {u"-1.5", u"6.5", {"-1.50", "0.50", "2.50", "4.50", "6.50"}},
        {u" 12abc", u"16", {"12.00", "13.00", "14.00", "15.00", "16.00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.labels.back());
        PlotBench bench(distinctYear());
        bench.pens({{u"MojietcPen", u"3"}});
        bench.control.settxtMin(c.min);
        bench.control.settxtMax(c.max);
        const auto texts = ofOp(bench.plot(), "DrawText");
        for (int k = 0; k <= 4; ++k) {
            const Json& t = texts.at(static_cast<std::size_t>(k));
            EXPECT_EQ(t["text"], c.labels[static_cast<std::size_t>(k)]);
            EXPECT_EQ(t["x"], 49);
            EXPECT_DOUBLE_EQ(t["y"], 20 + 57.5 * k);
            EXPECT_EQ(t["width"], 3);
            EXPECT_EQ(t["height"], 3);
            EXPECT_EQ(t["pen"], 3);
            EXPECT_EQ(t["option"], 1);
            EXPECT_EQ(t["anchor"], 5);
        }
    }
}

TEST(PlotPage, LabelsMonthsInFullWidthDigitsAndTenDaysBelowTheAxis) {
    PlotBench bench(distinctYear());
    const auto texts = ofOp(bench.plot(), "DrawText");
    const char* months[] = {"１月", "２月", "３月", "４月",   "５月",   "６月",
                            "７月", "８月", "９月", "１０月", "１１月", "１２月"};
    for (int m = 1; m <= 12; ++m) {
        const Json& t = texts.at(static_cast<std::size_t>(4 + m));
        EXPECT_EQ(t["text"], months[m - 1]);
        EXPECT_NEAR(t["x"], 50 + (m - 0.5) * kMonth, 1e-9);
        EXPECT_EQ(t["y"], 15.5);
        EXPECT_EQ(t["width"], 4);
        EXPECT_EQ(t["anchor"], 7);
    }
    std::size_t i = 17;
    for (int j = 1; j <= 36; ++j) {
        if (j % 3 == 0) continue;
        const Json& t = texts.at(i++);
        EXPECT_EQ(t["text"], j % 3 == 1 ? "10" : "20");
        EXPECT_NEAR(t["x"], 50 + j * kMonth / 3, 1e-9);
        EXPECT_EQ(t["y"], 19);
        EXPECT_EQ(t["width"], 2.5);
        EXPECT_EQ(t["option"], 1);
        EXPECT_EQ(t["anchor"], 7);
    }
}

}  // namespace
}  // namespace tellvane::test
