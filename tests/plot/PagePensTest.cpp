// The pens: which keys are read, in which order, and how their texts become pens.

#include <gtest/gtest.h>

#include "common/Error.h"
#include "plot/PlotPens.h"
#include "tests/plot/PlotBench.h"

namespace tellvane::test {
namespace {

// One record of each pen: the frame's first line (Hougan1Pen), the first header
// cell rule (Hougan2Pen), the first value label (MojietcPen), the title (TytlePen).
struct PenUses {
    Json hougan1, hougan2, mojietc, tytle;
};
PenUses penUses(const std::vector<Json>& records) {
    const auto lines = ofOp(records, "DrawLine");
    return {lines.at(0)["pen"], lines.at(8)["pen"], ofOp(records, "DrawText").at(0)["pen"],
            ofOp(records, "DrawTitle").at(0)["pen"]};
}

TEST(PlotPens, ReadsSixKeysOfTheApplicationsSettingsInDrawingOrder) {
    PlotBench bench(distinctYear());
    bench.plot();
    const std::vector<std::u16string> expected = {
        u"BRACKENLY/SETTING/Hougan1Pen", u"BRACKENLY/SETTING/Hougan2Pen", u"BRACKENLY/SETTING/MojietcPen",
        u"BRACKENLY/SETTING/Sen2Pen",    u"BRACKENLY/SETTING/Sen1Pen",    u"BRACKENLY/SETTING/TytlePen",
    };
    EXPECT_EQ(bench.tp.settings.reads, expected);
}

TEST(PlotPens, NumberPensGoToTheNearestIntegerWithTiesToEven) {
    struct Case {
        const char16_t* stored;  // nullptr: nothing stored
        int pen;
    } cases[] = {
        {u"3.5", 4},   {u"2.5", 2},         {u"7abc", 7},        {u"", 0}, {nullptr, 0}, {u"abc", 0}, {u" -2.5", -2},
        {u"-0.6", -1}, {u"32767.4", 32767}, {u"-32768", -32768},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? std::string(c.stored, c.stored + std::char_traits<char16_t>::length(c.stored))
                              : std::string("nothing stored"));
        PlotBench bench(distinctYear());
        if (c.stored)
            bench.pens({{u"Hougan1Pen", c.stored},
                        {u"Hougan2Pen", c.stored},
                        {u"MojietcPen", c.stored},
                        {u"TytlePen", c.stored}});
        const PenUses uses = penUses(bench.plot());
        EXPECT_EQ(uses.hougan1, c.pen);
        EXPECT_EQ(uses.hougan2, c.pen);
        EXPECT_EQ(uses.mojietc, c.pen);
        EXPECT_EQ(uses.tytle, c.pen);
    }
}

TEST(PlotPens, TheTitlePenHoldsThirtyTwoBits) {
    PlotBench bench(distinctYear());
    bench.pens({{u"TytlePen", u"40000"}});
    EXPECT_EQ(penUses(bench.plot()).tytle, 40000);
}

// A pen beyond its width stops the page where the pen is read: nothing after it is
// drawn, nothing is output, and the document is released.
TEST(PlotPens, APenBeyondItsWidthFailsWithOverflow) {
    struct Case {
        const char16_t *key, *stored;
        std::size_t recordsBefore;
    } cases[] = {
        {u"Hougan1Pen", u"32767.5", 13},
        {u"Hougan2Pen", u"40000", 13},
        {u"MojietcPen", u"-32768.6", 13},
        {u"TytlePen", u"2147483648", 13 + 111 + (2 * 365 - 1) + 12 + (2 * 365 - 1) + 6 + 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key, c.key + std::char_traits<char16_t>::length(c.key)));
        PlotBench bench(distinctYear());
        bench.pens({{c.key, c.stored}});
        EXPECT_EQ(bench.plotFailure(), kOverflow);
        const auto records = bench.records();
        EXPECT_EQ(records.size(), c.recordsBefore);
        EXPECT_TRUE(ofOp(records, "DrawTitle").empty());
        EXPECT_TRUE(ofOp(records, "OutputToFile").empty());
        EXPECT_EQ(bench.docs.alive(), 0);
        EXPECT_TRUE(bench.tp.screen.pointers.empty());
    }
}

// A number pen that fails names the settings file and the key, where the user mends it.
TEST(PlotPens, APenThatFailsNamesTheSettingsFileAndKey) {
    struct Settings : FakeSettings {
        std::string fileOf(const std::u16string& application) const override {
            return "/config/" + std::string(application.begin(), application.end()) + ".ini";
        }
    };
    struct Case {
        const char16_t *key, *stored;
        bool wide;  // read as 32 bits
    } cases[] = {
        {u"Hougan1Pen", u"70000", false},
        {u"MojietcPen", u"1e400", false},
        {u"TytlePen", u"-2147483649", true},
    };
    for (const Case& c : cases) {
        const std::string key(c.key, c.key + std::char_traits<char16_t>::length(c.key));
        SCOPED_TRACE(key);
        Settings settings;
        settings.values[c.key] = c.stored;
        try {
            if (c.wide)
                readPen32(settings, c.key);
            else
                readPen16(settings, c.key);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), kOverflow);
            EXPECT_EQ(e.file(), "/config/BRACKENLY.ini");
            EXPECT_EQ(e.key(), key);
            EXPECT_EQ(e.line(), 0);
        }
    }
}

// Staircase and leaders take Sen2Pen as it is stored; the step line takes Sen1Pen
// when it lies from "1" to "6" in code-unit order, else "2".
TEST(PlotPens, LinePensAreTextsAndTheStepLinePenIsChecked) {
    struct Case {
        const char16_t *sen2, *sen1;  // nullptr: nothing stored
        const char *staircase, *stepLine;
    } cases[] = {
        {nullptr, nullptr, "", "2"}, {u"abc", u"3", "abc", "3"}, {u"7", u"6", "7", "6"},
        {u" 1", u"10", " 1", "10"},  {u"", u"", "", "2"},        {u"0", u"0", "0", "2"},
        {u"9", u"7", "9", "2"},      {u"", u"60", "", "2"},      {u"", u"１", "", "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.staircase) + " / " + c.stepLine);
        PlotBench bench(distinctYear());
        if (c.sen2) bench.pens({{u"Sen2Pen", c.sen2}});
        if (c.sen1) bench.pens({{u"Sen1Pen", c.sen1}});
        const auto lines = ofOp(bench.plot(), "DrawLine");
        // 70 grid lines, 729 staircase, 12 leaders, 729 step-line, 6 station block.
        ASSERT_EQ(lines.size(), 70u + 729 + 12 + 729 + 6);
        for (std::size_t i = 70; i < 70 + 729 + 12; ++i) ASSERT_EQ(lines[i]["pen"], c.staircase) << i;
        for (std::size_t i = 70 + 729 + 12; i < 70 + 729 + 12 + 729; ++i) ASSERT_EQ(lines[i]["pen"], c.stepLine) << i;
    }
}

}  // namespace
}  // namespace tellvane::test
