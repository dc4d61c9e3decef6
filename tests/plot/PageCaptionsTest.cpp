// The captions: station block, names, year, title, axis caption and the statistics
// table, and how Mode, Seireki and the host's answers shape them.

#include <gtest/gtest.h>

#include "common/Text.h"
#include "plot/NenzuSakuzu.h"
#include "tests/plot/PlotBench.h"
#include "tests/support/ErrorOf.h"

namespace tellvane::test {
namespace {

constexpr double kMonth = 350.0 / 12;

// The records of the captions: the last 6 lines, 28 texts and the title.
struct Captions {
    std::vector<Json> lines, texts;
    Json title;
};
Captions captionsOf(const std::vector<Json>& records) {
    const auto lines = ofOp(records, "DrawLine"), texts = ofOp(records, "DrawText");
    Captions c;
    c.lines.assign(lines.end() - 6, lines.end());
    c.texts.assign(texts.end() - 28, texts.end());
    c.title = ofOp(records, "DrawTitle").at(0);
    return c;
}

// A source with a store filled by hand, for statistics NenZu cannot produce.
struct StoreSource : ChartSource {
    AnnualStore data;
    std::u16string no = u"12", max = u"100", min = u"0", mode;
    const AnnualStore& store() const override { return data; }
    const std::u16string& KansokujoNO() const override { return no; }
    const std::u16string& txtMax() const override { return max; }
    const std::u16string& txtMin() const override { return min; }
    const std::u16string& Mode() const override { return mode; }
    std::int32_t Seireki() const override { return 2001; }
    void raiseGetLKansokujo(std::u16string&, std::u16string&, std::u16string&, std::u16string&) override {}
};

TEST(PlotCaptions, DrawTheStationBlockNamesAndHeadings) {
    PlotBench bench(distinctYear());
    bench.pens({{u"Hougan1Pen", u"1"}, {u"Hougan2Pen", u"2"}, {u"MojietcPen", u"3"}});
    const Captions c = captionsOf(bench.plot());
    const double block[6][5] = {{40, 263, 40, 278, 1}, {40, 278, 77, 278, 1}, {77, 278, 77, 263, 1},
                                {77, 263, 40, 263, 1}, {40, 273, 77, 273, 2}, {50, 278, 50, 263, 2}};
    for (std::size_t i = 0; i < 6; ++i) {
        const Json expected = {{"op", "DrawLine"},
                               {"x1", block[i][0]},
                               {"y1", block[i][1]},
                               {"x2", block[i][2]},
                               {"y2", block[i][3]},
                               {"pen", block[i][4]},
                               {"opt", Json::parse("[null,null,null]")}};
        EXPECT_EQ(c.lines[i], expected) << i;
    }
    struct Text {
        const char* text;
        double x, y, size;
    } texts[] = {{"水系名", 53, 252, 5},  {"天塩川", 78, 252, 5},        {"河川名", 111, 252, 5},
                 {"天塩川", 136, 252, 5}, {"観測所名", 168, 252, 5},     {"茂志利", 194, 252, 5},
                 {"種別", 42, 274, 3},    {"観 測 所 番 号", 53, 274, 3}};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        const Json& t = c.texts[i];
        EXPECT_EQ(t["text"], texts[i].text);
        EXPECT_EQ(t["x"], texts[i].x);
        EXPECT_EQ(t["y"], texts[i].y);
        EXPECT_EQ(t["width"], texts[i].size);
        EXPECT_EQ(t["height"], texts[i].size);
        EXPECT_EQ(t["pen"], 3);
        EXPECT_TRUE(t["option"].is_null());
        EXPECT_TRUE(t["anchor"].is_null());
    }
}

TEST(PlotCaptions, TheStationNumberIsTheOneTheHostLeavesInWok) {
    struct Case {
        const char* host;
        std::u16string write;
        bool handler;
        std::string drawn, kansokujo;
    } cases[] = {
        {"leaves Wok", u"", true, "301011281101010", "茂志利"},
        {"writes Wok", u"999", true, "999", "茂志利"},
        {"has no handler", u"", false, "301011281101010", ""},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.host);
        PlotBench bench(distinctYear());
        bench.host.wokWrite = c.write;
        const int before = bench.host.nameCalls;
        if (!c.handler) bench.control.setEvents(nullptr);
        const Captions cap = captionsOf(bench.plot());
        EXPECT_EQ(bench.host.nameCalls - before, c.handler ? 1 : 0);
        if (c.handler) {
            EXPECT_EQ(bench.host.wokSeen, u"301011281101010");
        }
        const Json& number = cap.texts[8];
        EXPECT_EQ(number["text"], c.drawn);
        EXPECT_EQ(number["x"], 63.5);
        EXPECT_EQ(number["y"], 266);
        EXPECT_EQ(number["width"], 4);
        EXPECT_TRUE(number["option"].is_null());
        EXPECT_EQ(number["anchor"], 1);
        EXPECT_EQ(cap.texts[5]["text"], c.kansokujo);
        EXPECT_EQ(bench.control.KansokujoNO(), u"301011281101010");
    }
}

TEST(PlotCaptions, TheYearTextFollowsTheEras) {
    struct Case {
        std::int32_t year;
        const char* text;
    } cases[] = {
        {2020, "令和 2 年（西暦 2020 年）"},
        {2019, "令和 1 年（西暦 2019 年）"},
        {2001, "平成 13 年（西暦 2001 年）"},
        {1989, "平成 1 年（西暦 1989 年）"},
        {1988, "昭和 63 年（西暦 1988 年）"},
        {1850, "（西暦 1850 年）"},
        {1, "（西暦 1 年）"},
        {0, "平成    年（西暦      年）"},
        {-3, "平成    年（西暦      年）"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        PlotBench bench(distinctYear());
        bench.control.setSeireki(c.year);
        const Json t = captionsOf(bench.plot()).texts[9];
        EXPECT_EQ(t["text"], c.text);
        EXPECT_EQ(t["x"], 320);
        EXPECT_EQ(t["y"], 252);
        EXPECT_EQ(t["width"], 5);
        EXPECT_TRUE(t["anchor"].is_null());
    }
}

// Only Mode "7", exactly, is discharge.
TEST(PlotCaptions, ModeSevenAloneGivesTheDischargeWording) {
    struct Case {
        const char16_t* mode;
        const char *title, *upper, *lower, *heading, *third;
    } cases[] = {
        {u"7", "日　流　量　年　図", "流", "量", "流量位況　", "豊　流　量"},
        {u" 7", "日　水　位　年　図", "水", "位", "水位位況　", "豊　水　位"},
        {u"07", "日　水　位　年　図", "水", "位", "水位位況　", "豊　水　位"},
        {u"", "日　水　位　年　図", "水", "位", "水位位況　", "豊　水　位"},
        {u"4", "日　水　位　年　図", "水", "位", "水位位況　", "豊　水　位"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heading);
        PlotBench bench(distinctYear());
        bench.pens({{u"TytlePen", u"8"}});
        bench.control.setMode(c.mode);
        const Captions cap = captionsOf(bench.plot());
        const Json title = {{"op", "DrawTitle"}, {"x", 180},   {"y", 268}, {"text", c.title},   {"width", 9},
                            {"height", 9},       {"extra", 0}, {"pen", 8}, {"option", nullptr}, {"anchor", nullptr}};
        EXPECT_EQ(cap.title, title);
        const char* axis[] = {"↑", c.upper, c.lower};
        const double axisY[] = {43, 35, 27};
        for (std::size_t i = 0; i < 3; ++i) {
            const Json& t = cap.texts[10 + i];
            EXPECT_EQ(t["text"], axis[i]);
            EXPECT_EQ(t["x"], 47);
            EXPECT_EQ(t["y"], axisY[i]);
            EXPECT_EQ(t["width"], 5);
            EXPECT_EQ(t["option"], 1);
            EXPECT_EQ(t["anchor"], 2);
        }
        EXPECT_EQ(cap.texts[13]["text"], c.heading);
        EXPECT_EQ(cap.texts[16]["text"], c.third);  // row 3, after row 2's label and value
    }
}

TEST(PlotCaptions, TheTableShowsEachStatisticRoundedInFullWidth) {
    StoreSource source;
    source.data.clear();
    const double stats[8] = {0, 12.345, 1234.5, 0, 7, 2.005, -0.5, 0.125};
    for (int k = 1; k <= 7; ++k) source.data.Stats(k) = stats[k];
    TestPlatform tp;
    RecordingPlotDocumentFactory docs;
    tp.plots.make = [&docs] { return docs.create(); };
    EXPECT_EQ(errorOf([&] { NenzuSakuzu(source, tp.platform()); }), 0);
    const Captions cap = captionsOf(parsed(docs.lines()));

    const char* labels[] = {"水位位況　", "最大水位　", "豊　水　位", "平　水　位",
                            "低　水　位", "渇　水　位", "最小水位　", "年平均水位"};
    const char* values[] = {"１２．３５", "１２３４．５０", "０．００", "７．００",
                            "２．０１",   "－０．５０",     "０．１３"};
    std::size_t i = 13;
    for (int row = 1; row <= 8; ++row) {
        SCOPED_TRACE(row);
        const double y = 250 - row * 57.5 / 5 + 3;
        const Json& label = cap.texts.at(i++);
        EXPECT_EQ(label["text"], labels[row - 1]);
        EXPECT_EQ(label["x"], 314.5);
        EXPECT_DOUBLE_EQ(label["y"], y);
        EXPECT_EQ(label["width"], 5);
        EXPECT_EQ(label["option"], 1);
        EXPECT_EQ(label["anchor"], 0);
        if (row == 1) continue;
        const Json& value = cap.texts.at(i++);
        EXPECT_EQ(value["text"], values[row - 2]);
        EXPECT_NEAR(value["x"], 400 - kMonth - 2, 1e-9);
        EXPECT_DOUBLE_EQ(value["y"], y);
        EXPECT_EQ(value["width"], 4);
        EXPECT_EQ(value["option"], 1);
        EXPECT_EQ(value["anchor"], 2);
    }
}

}  // namespace
}  // namespace tellvane::test
