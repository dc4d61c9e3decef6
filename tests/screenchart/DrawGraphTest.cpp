#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "common/Error.h"
#include "common/Text.h"
#include "recording/RecordingSurface.h"
#include "screenchart/ChartCaptions.h"
#include "screenchart/DrawGraph.h"
#include "tests/support/FakeChartSource.h"
#include "tests/support/Trace.h"

namespace tellvane {
namespace {

using test::FakeChartSource;
using Lines = std::vector<std::string>;

Lines draw(FakeChartSource& source, float w = 400, float h = 300) {
    RecordingSurface surface(w, h);
    DrawGraph(source, surface);
    return surface.lines();
}

using test::after;
using test::contains;
using test::errorOf;

// Every printed text with the position set right before it, as "x,y:text".
std::vector<std::string> texts(const Lines& lines) { return test::printedTexts(lines); }

TEST(DrawGraph, FrameAndGridOfA400By300Surface) {
    FakeChartSource source;
    const Lines lines = draw(source);
    EXPECT_EQ(lines[0], R"({"op":"clear"})");
    EXPECT_EQ(lines[1], R"({"op":"line_style","style":"solid"})");
    EXPECT_EQ(lines[2], R"({"op":"text_color","color":5})");
    EXPECT_EQ(
        after(lines, R"({"op":"line_width","width":2})", 2),
        (Lines{R"({"op":"box","x1":30,"y1":280,"x2":390,"y2":60,"color":8})", R"({"op":"line_width","width":1})"}));

    const auto t = texts(lines);
    for (const char* label : {"5,274:0.00", "5,219:1.00", "5,164:2.00", "5,109:3.00", "5,54:4.00"})
        EXPECT_NE(std::find(t.begin(), t.end(), label), t.end()) << label;
    for (int m = 1; m <= 12; ++m) {
        const std::string label = std::to_string(30 + 30 * m - 25) + ",284:" + std::to_string(m) + "月";
        EXPECT_NE(std::find(t.begin(), t.end(), label), t.end()) << label;
    }
    // 19 value rules (3 solid, 16 dotted) and 35 month rules, all grey.
    const long rules = std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.rfind(R"({"op":"line")", 0) == 0 && l.find(R"("color":8)") != std::string::npos;
    });
    EXPECT_EQ(rules, 19 + 35);
    EXPECT_TRUE(contains(lines, R"({"op":"line","x1":30,"y1":269,"x2":390,"y2":269,"color":8})"));
    EXPECT_TRUE(contains(lines, R"({"op":"line","x1":40,"y1":280,"x2":40,"y2":60,"color":8})"));
    EXPECT_FALSE(contains(lines, R"({"op":"line","x1":390,"y1":280,"x2":390,"y2":60,"color":8})"));
}

TEST(DrawGraph, PixelsPerQuarterRoundHalvesToEven) {
    struct Case {
        float height;
        int topLabelY;  // Yb - 4 Pq - 6
    } cases[] = {{298, 278 - 4 * 54 - 6}, {302, 282 - 4 * 56 - 6}, {300, 280 - 4 * 55 - 6}};
    for (const auto& c : cases) {
        FakeChartSource source;
        const auto t = texts(draw(source, 400, c.height));
        const std::string label = "5," + std::to_string(c.topLabelY) + ":4.00";
        EXPECT_NE(std::find(t.begin(), t.end(), label), t.end()) << c.height;
    }
}

TEST(DrawGraph, BarsAndStepLineOfTheDailyValues) {
    FakeChartSource source;
    source.data.DayTable(1, 1) = u"2.00";
    source.data.DayTable(1, 2) = u"3.00";
    const Lines lines = draw(source);
    // Pm = 30: a day slot is 30/31 pixels, so the bar's corners come in reverse order.
    EXPECT_TRUE(contains(lines, R"({"op":"fill_box","x1":31,"y1":170,"x2":29.967741,"y2":278,"color":12})"));
    EXPECT_TRUE(contains(lines, R"({"op":"line","x1":30,"y1":170,"x2":30.967741,"y2":170,"color":5})"));
    // The second day climbs from the first day's level at its own left edge.
    EXPECT_TRUE(contains(lines, R"({"op":"line","x1":30.967741,"y1":170,"x2":30.967741,"y2":115,"color":5})"));
    const long risersAtStart = std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.rfind(R"({"op":"line","x1":30,"y1":)", 0) == 0 && l.find(R"("x2":30,)") != std::string::npos;
    });
    EXPECT_EQ(risersAtStart, 0);
}

TEST(DrawGraph, TheStepLineRunsOnAcrossGapsAndShortMonths) {
    FakeChartSource source;
    for (int d = 1; d <= 28; ++d) source.data.DayTable(2, d) = u"1.00";
    source.data.DayTable(3, 1) = u"2.00";
    source.data.DayTable(1, 10) = u"3.00";
    const Lines lines = draw(source);
    // 1 March begins at x = 30 + 2 * 30: the riser there starts at 28 February's level.
    EXPECT_TRUE(contains(lines, R"({"op":"line","x1":90,"y1":225,"x2":90,"y2":170,"color":5})"));
    // 10 January is the year's first value: the line starts with its tread.
    const auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.rfind(R"({"op":"line")", 0) == 0 && l.find(R"("color":5})") != std::string::npos;
    });
    ASSERT_NE(first, lines.end());
    EXPECT_NE(first->find(R"("y1":115,)"), std::string::npos) << *first;
    EXPECT_NE(first->find(R"("y2":115,)"), std::string::npos) << *first;
    const long magenta = std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.rfind(R"({"op":"line")", 0) == 0 && l.find(R"("color":5})") != std::string::npos;
    });
    EXPECT_EQ(magenta, 2 * 30 - 1);  // 30 days: 30 treads and 29 risers
}

TEST(DrawGraph, TheDurationStaircaseStepsDownFromTheLeftEdge) {
    FakeChartSource source;
    // 3 on one day, 2 on two more, 1 on one more.
    source.data.DurValue(1) = 3, source.data.DurDays(1) = 1;
    source.data.DurValue(2) = 2, source.data.DurDays(2) = 3;
    source.data.DurValue(3) = 1, source.data.DurDays(3) = 4;
    Lines green;
    for (const auto& l : draw(source))
        if (l.find(R"("color":2})") != std::string::npos) green.push_back(l);
    EXPECT_EQ(green, (Lines{
                         R"({"op":"line","x1":30,"y1":115,"x2":30.967741,"y2":115,"color":2})",
                         R"({"op":"line","x1":30.967741,"y1":115,"x2":30.967741,"y2":170,"color":2})",
                         R"({"op":"line","x1":30.967741,"y1":170,"x2":32.903225,"y2":170,"color":2})",
                         R"({"op":"line","x1":32.903225,"y1":170,"x2":32.903225,"y2":225,"color":2})",
                         R"({"op":"line","x1":32.903225,"y1":225,"x2":33.870968,"y2":225,"color":2})",
                     }));
}

TEST(DrawGraph, EqualLimitsFailOnlyWhenAValueIsPlaced) {
    FakeChartSource empty;
    empty.max = empty.min = u"";
    EXPECT_EQ(errorOf([&] { draw(empty); }), 0);

    FakeChartSource withData;
    withData.max = withData.min = u"3";
    withData.data.DayTable(5, 5) = u"3.00";
    RecordingSurface surface(400, 300);
    EXPECT_EQ(errorOf([&] { DrawGraph(withData, surface); }), kDivisionByZero);
    EXPECT_EQ(surface.lines(), (Lines{R"({"op":"clear"})", R"({"op":"line_style","style":"solid"})",
                                      R"({"op":"text_color","color":5})"}));

    FakeChartSource staircaseOnly;
    staircaseOnly.max = staircaseOnly.min = u"3";
    staircaseOnly.data.DurValue(1) = 3, staircaseOnly.data.DurDays(1) = 1;
    EXPECT_EQ(errorOf([&] { draw(staircaseOnly); }), kDivisionByZero);
}

TEST(DrawGraph, SurfacesBeyondSixteenBitsFailWithOverflow) {
    FakeChartSource source;
    for (auto size : {std::pair{400.f, 40000.f}, std::pair{40000.f, 300.f}, std::pair{400.f, 32800.f}}) {
        RecordingSurface surface(size.first, size.second);
        EXPECT_EQ(errorOf([&] { DrawGraph(source, surface); }), kOverflow) << size.first << "x" << size.second;
        EXPECT_TRUE(surface.lines().empty());
    }
    // Less than 80 pixels high: the value axis runs downwards, nothing fails.
    EXPECT_EQ(errorOf([&] { draw(source, 400, 60); }), 0);
}

TEST(DrawGraph, CoordinatesBeyondSinglePrecisionFailWithOverflow) {
    FakeChartSource source;
    source.max = u"1e-38";
    source.data.DayTable(1, 1) = u"1.00";
    EXPECT_EQ(errorOf([&] { draw(source); }), kOverflow);
}

TEST(DrawGraph, StationAndYearLinesNeedASurfaceWiderThan7500Twips) {
    for (float twips : {7500.f, 7515.f}) {
        FakeChartSource source;
        source.system = u"天塩川";
        RecordingSurface surface(600, 300);
        surface.setOuterWidth(twips);
        DrawGraph(source, surface);
        const auto t = texts(surface.lines());
        const bool wide = twips > 7500;
        EXPECT_EQ(std::find(t.begin(), t.end(), "40,20:観測所番号 ： 301011281104010") != t.end(), wide);
        EXPECT_EQ(std::find(t.begin(), t.end(), "465,40:令和 5 年  ( 2023 )") != t.end(), wide);
        EXPECT_NE(std::find(t.begin(), t.end(), "40,40:水系名 ： 天塩川　　河川名 ： 　　観測所名 ： "), t.end());
    }
}

TEST(DrawGraph, CaptionsOfA400PixelSurface) {
    FakeChartSource source;
    source.year = 0;
    const Lines lines = draw(source);
    const auto t = texts(lines);
    EXPECT_EQ(t[t.size() - 11], "120,10:日　水　位　年　図");
    EXPECT_EQ(after(lines, R"({"op":"text_color","color":13})", 3),
              (Lines{R"({"op":"font_bold","bold":true})", R"({"op":"font_size","points":16})",
                     R"({"op":"text_pos","x":120,"y":10})"}));
    EXPECT_TRUE(contains(lines, R"({"op":"fill_box","x1":235,"y1":62,"x2":348,"y2":170,"color":15})"));
    EXPECT_EQ(after(lines, R"({"op":"fill_box","x1":235,"y1":62,"x2":348,"y2":170,"color":15})", 1),
              (Lines{R"({"op":"box","x1":235,"y1":62,"x2":348,"y2":170,"color":8})"}));
    EXPECT_EQ(Lines(t.end() - 10, t.end()), (Lines{
                                                "10,230:↑",
                                                "10,245:水",
                                                "10,260:位",
                                                "240,65:最大水位　 ： 0.00",
                                                "240,80:豊　水　位 ： 0.00",
                                                "240,95:平　水　位 ： 0.00",
                                                "240,110:低　水　位 ： 0.00",
                                                "240,125:渇　水　位 ： 0.00",
                                                "240,140:最小水位　 ： 0.00",
                                                "240,155:年平均水位 ： 0.00",
                                            }));
    // The drawing ends in the state the next one starts from.
    EXPECT_EQ(after(lines, R"({"op":"font_size","points":16})", 3),
              (Lines{R"({"op":"text_pos","x":120,"y":10})", R"({"op":"print","text":"日　水　位　年　図"})",
                     R"({"op":"font_bold","bold":false})"}));
    EXPECT_EQ(after(lines, R"({"op":"font_bold","bold":false})", 1), (Lines{R"({"op":"font_size","points":10})"}));
}

TEST(DrawGraph, OnlyModeSevenIsDischarge) {
    struct Case {
        const char16_t* mode;
        const char* title;
        const char* caption;
    } cases[] = {{u"7", "日　流　量　年　図", "10,245:流"},
                 {u" 7", "日　水　位　年　図", "10,245:水"},
                 {u"07", "日　水　位　年　図", "10,245:水"},
                 {u"", "日　水　位　年　図", "10,245:水"},
                 {u"4", "日　水　位　年　図", "10,245:水"}};
    for (const auto& c : cases) {
        FakeChartSource source;
        source.mode = c.mode;
        const auto t = texts(draw(source));
        EXPECT_NE(std::find(t.begin(), t.end(), std::string("120,10:") + c.title), t.end()) << toUtf8(c.mode);
        EXPECT_NE(std::find(t.begin(), t.end(), c.caption), t.end()) << toUtf8(c.mode);
        const bool discharge = std::u16string(c.mode) == u"7";
        EXPECT_NE(
            std::find(t.begin(), t.end(), discharge ? "240,155:年平均流量 ： 0.00" : "240,155:年平均水位 ： 0.00"),
            t.end());
    }
}

TEST(DrawGraph, StatisticsAreRoundedHalvesAwayFromZero) {
    FakeChartSource source;
    source.data.Stats(1) = 12.345;
    source.data.Stats(6) = -0.125;
    source.data.Stats(7) = 2.675;  // stored just below: Round2's nudge still takes it up
    const auto t = texts(draw(source));
    EXPECT_NE(std::find(t.begin(), t.end(), "240,65:最大水位　 ： 12.35"), t.end());
    EXPECT_NE(std::find(t.begin(), t.end(), "240,140:最小水位　 ： -0.13"), t.end());
    EXPECT_NE(std::find(t.begin(), t.end(), "240,155:年平均水位 ： 2.68"), t.end());
}

TEST(DrawGraph, AsksForTheNamesOnceBetweenStationAndNames) {
    RecordingSurface surface(600, 300);
    struct Source : FakeChartSource {
        RecordingSurface* surface;
        std::string lastLineAtEvent;
        void raiseGetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                                std::u16string& Kasen) override {
            lastLineAtEvent = surface->lines().back();
            FakeChartSource::raiseGetLKansokujo(Wok, Kansokujo, Suikei, Kasen);
        }
    } source;
    source.surface = &surface;
    source.wokWrite = u"000";
    source.name = u"茂志利";
    DrawGraph(source, surface);
    EXPECT_EQ(source.nameCalls, 1);
    EXPECT_EQ(source.lastLineAtEvent, R"({"op":"print","text":"観測所番号 ： 301011281104010"})");
    const auto t = texts(surface.lines());
    const auto station = std::find(t.begin(), t.end(), "40,20:観測所番号 ： 301011281104010");
    ASSERT_NE(station, t.end());
    EXPECT_EQ(*(station + 1), "40,40:水系名 ： 　　河川名 ： 　　観測所名 ： 茂志利");
    EXPECT_EQ(source.station, u"301011281104010");
}

TEST(ScreenYearLine, NamesTheEraOfTheYear) {
    struct Case {
        int year;
        const char* line;
    } cases[] = {
        {1850, "( 1850 )"},
        {1867, "( 1867 )"},
        {1868, "明治 1 年  ( 1868 )"},
        {1911, "明治 44 年  ( 1911 )"},
        {1912, "大正 1 年  ( 1912 )"},
        {1926, "昭和 1 年  ( 1926 )"},
        {1988, "昭和 63 年  ( 1988 )"},
        {1989, "平成 1 年  ( 1989 )"},
        {2018, "平成 30 年  ( 2018 )"},
        {2019, "令和 1 年  ( 2019 )"},
        {2020, "令和 2 年  ( 2020 )"},
        {-5, "( -5 )"},
    };
    for (const auto& c : cases) EXPECT_EQ(toUtf8(screenYearLine(c.year)), c.line) << c.year;
}

}  // namespace
}  // namespace tellvane
