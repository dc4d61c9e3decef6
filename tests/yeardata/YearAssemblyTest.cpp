#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/Error.h"
#include "common/Text.h"
#include "control/TZenzu.h"
#include "hostkit/TenDayBlocks.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/YearHost.h"

namespace tellvane {
namespace {

using test::TestPlatform;
using test::YearHost;

// Day of the year, from 1.
int dayOfYear(int year, int month, int day) {
    int n = day;
    for (int m = 1; m < month; ++m) n += daysInMonth(year, m);
    return n;
}

struct Loaded {
    TestPlatform p;
    std::unique_ptr<TZenzu> control;
    bool result = false;
};

std::unique_ptr<Loaded> load(YearHost& host, const std::u16string& mode = u"1") {
    auto l = std::make_unique<Loaded>();
    l->control = std::make_unique<TZenzu>(l->p.platform());
    l->control->setEvents(&host);
    l->control->setMode(mode);
    l->control->setSeireki(host.year);
    l->result = l->control->NenZu();
    return l;
}

int errorOfNenZu(TZenzu& control) {
    try {
        control.NenZu();
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

TEST(YearAssembly, AYearOfOneValue) {
    YearHost host = YearHost::daily(2023, [](int, int) { return std::u16string(u"5.00"); });
    auto l = load(host);
    ASSERT_TRUE(l->result);
    const AnnualStore& s = l->control->store();
    EXPECT_EQ(s.DurValue(1), 5);
    EXPECT_EQ(s.DurDays(1), 365);
    EXPECT_EQ(s.DurDays(2), 0);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(s.Stats(k), 5) << k;
    EXPECT_EQ(l->control->txtMax(), u"7");
    EXPECT_EQ(l->control->txtMin(), u"5");
    EXPECT_EQ(s.DayTable(2, 28), u"5.00");
    EXPECT_EQ(s.DayTable(2, 29), u"");
    EXPECT_EQ(s.DayTable(12, 31), u"5.00");
    EXPECT_EQ(host.blocksRaised.size(), 36u);
}

TEST(YearAssembly, RanksAndDurationTableOfALeapYearOfDistinctValues) {
    // Day n of 2024 has the value n / 100: 366 distinct values, largest on 31 December.
    YearHost host = YearHost::daily(2024, [](int m, int d) { return plainDecimal(dayOfYear(2024, m, d) / 100.0); });
    auto l = load(host);
    const AnnualStore& s = l->control->store();
    EXPECT_EQ(s.Stats(kStatMax), 3.66);
    EXPECT_EQ(s.Stats(kStatHigh), 2.72);  // the 95th largest is day 366 - 94
    EXPECT_EQ(s.Stats(kStatNormal), 1.82);
    EXPECT_EQ(s.Stats(kStatLow), 0.92);
    EXPECT_EQ(s.Stats(kStatDrought), 0.12);
    EXPECT_EQ(s.Stats(kStatMin), 0.01);
    EXPECT_EQ(s.Stats(kStatMean), 1.84);  // Round2(1.835)
    EXPECT_EQ(s.DurDays(366), 366);
    EXPECT_EQ(s.DurValue(366), 0.01);
    EXPECT_EQ(s.DurDays(367), 0);
    EXPECT_EQ(s.DayTable(2, 29), u"0.60");
}

TEST(YearAssembly, EqualValuesShareOneDurationEntry) {
    // 3, 2, 2, 1 on four days of January, nothing else.
    YearHost host = YearHost::daily(2023, [](int m, int d) -> std::u16string {
        if (m != 1 || d > 4) return u"";
        return plainInteger(d == 1 ? 3 : d == 4 ? 1 : 2);
    });
    auto l = load(host);
    const AnnualStore& s = l->control->store();
    EXPECT_EQ(s.DurValue(1), 3);
    EXPECT_EQ(s.DurDays(1), 1);
    EXPECT_EQ(s.DurValue(2), 2);
    EXPECT_EQ(s.DurDays(2), 3);
    EXPECT_EQ(s.DurValue(3), 1);
    EXPECT_EQ(s.DurDays(3), 4);
    EXPECT_EQ(s.DurDays(4), 0);
    EXPECT_EQ(s.Stats(kStatMean), 2);
}

TEST(YearAssembly, RanksTheYearDoesNotReachStayZero) {
    for (int days : {93, 94, 95, 184, 274, 354, 355}) {
        YearHost host = YearHost::daily(
            2023, [days](int m, int d) -> std::u16string { return dayOfYear(2023, m, d) <= days ? u"1.5" : u""; });
        auto l = load(host);
        const AnnualStore& s = l->control->store();
        EXPECT_EQ(s.Stats(kStatHigh), days >= 95 ? 1.5 : 0) << days;
        EXPECT_EQ(s.Stats(kStatNormal), days >= 185 ? 1.5 : 0) << days;
        EXPECT_EQ(s.Stats(kStatLow), days >= 275 ? 1.5 : 0) << days;
        EXPECT_EQ(s.Stats(kStatDrought), days >= 355 ? 1.5 : 0) << days;
        EXPECT_EQ(s.DurDays(1), days);
    }
}

TEST(YearAssembly, AYearWithoutDataIsDrawnWithTheRangeOfAnAllZeroYear) {
    YearHost host = YearHost::daily(2023, [](int, int) { return std::u16string(); });
    auto l = load(host);
    EXPECT_TRUE(l->result);
    for (int k = 0; k <= 7; ++k) EXPECT_EQ(l->control->store().Stats(k), 0);
    EXPECT_EQ(l->control->store().DurDays(1), 0);
    EXPECT_EQ(l->control->txtMax(), u"2");
    EXPECT_EQ(l->control->txtMin(), u"0");
    EXPECT_FALSE(l->p.surface.lines().empty());
}

TEST(YearAssembly, ValuesBeyond999GetTheirTrueExtremes) {
    YearHost host = YearHost::daily(2023, [](int m, int d) { return plainInteger(1000 + m * 100 + d); });
    auto l = load(host, u"7");
    const AnnualStore& s = l->control->store();
    EXPECT_EQ(s.Stats(kStatMin), 1101);
    EXPECT_EQ(s.Stats(kStatMax), 2231);
    EXPECT_EQ(l->control->txtMin(), u"1101");
    EXPECT_EQ(l->control->txtMax(), u"2233");
}

TEST(YearAssembly, ADailyMeanOfExactlyMinus999KeepsItsDurationEntry) {
    YearHost host = YearHost::daily(2023, [](int m, int d) -> std::u16string {
        if (m != 1) return u"";
        return d == 1 ? u"-999.00" : d == 2 ? u"-998" : u"";
    });
    // -999.00 as a reading is the missing marker, so deliver it as one hour's
    // value next to a second reading whose mean is -999.
    host.reading = [](int m, int d, int h) -> std::u16string {
        if (m != 1 || d > 2) return u"";
        if (d == 1) return h == 1 ? u"-999.5" : h == 2 ? u"-998.5" : u"";
        return h == 1 ? u"-998" : u"";
    };
    auto l = load(host);
    const AnnualStore& s = l->control->store();
    EXPECT_EQ(s.DayTable(1, 1), u"-999.00");
    EXPECT_EQ(s.DurValue(1), -998);
    EXPECT_EQ(s.DurDays(1), 1);
    EXPECT_EQ(s.DurValue(2), -999);
    EXPECT_EQ(s.DurDays(2), 2);
    EXPECT_EQ(s.DurDays(3), 0);
}

TEST(YearAssembly, ABlockNotLoadedStopsTheRunWithAMessage) {
    YearHost host = YearHost::daily(2023, [](int, int) { return std::u16string(u"2.5"); });
    host.failAtBlock = 20;
    TestPlatform p;
    TZenzu control(p.platform());
    control.setEvents(&host);
    control.settxtMax(u"100");
    control.settxtMin(u"-3");
    EXPECT_FALSE(control.NenZu());
    ASSERT_EQ(p.messageBox.shown.size(), 1u);
    EXPECT_EQ(p.messageBox.shown[0].prompt, u"水位データ読込みエラーです。\r\n何かキーを押してください。");
    EXPECT_EQ(p.messageBox.shown[0].title, u"確認");
    EXPECT_EQ(p.messageBox.shown[0].style, 16);
    EXPECT_EQ(host.blocksRaised.size(), 20u);
    const AnnualStore& s = control.store();
    EXPECT_EQ(s.DayTable(7, 10), u"2.50");
    EXPECT_EQ(s.DayTable(7, 11), u"");
    EXPECT_EQ(s.Stats(kStatMax), 0);
    EXPECT_EQ(s.DurDays(1), 0);
    EXPECT_EQ(control.txtMax(), u"100");
    EXPECT_EQ(control.txtMin(), u"-3");
    EXPECT_TRUE(p.surface.lines().empty());
}

TEST(YearAssembly, AHostWithoutHandlersGetsTheMessageAtBlockOne) {
    TestPlatform p;
    TZenzu control(p.platform());
    EXPECT_FALSE(control.NenZu());
    EXPECT_EQ(p.messageBox.shown.size(), 1u);
    EXPECT_TRUE(p.surface.lines().empty());
}

TEST(YearAssembly, ASecondLoadEmptiesTheDayTableFirst) {
    YearHost leap = YearHost::daily(2024, [](int, int) { return std::u16string(u"1"); });
    YearHost common = YearHost::daily(2023, [](int, int) { return std::u16string(u"1"); });
    TestPlatform p;
    TZenzu control(p.platform());
    control.setEvents(&leap);
    control.NenZu();
    EXPECT_EQ(control.store().DayTable(2, 29), u"1.00");
    control.setEvents(&common);
    control.NenZu();
    EXPECT_EQ(control.store().DayTable(2, 29), u"");
}

TEST(YearAssembly, TheHostsCounterPlacesTheBlockAndChoosesTheNext) {
    YearHost host = YearHost::daily(2023, [](int, int) { return std::u16string(u"1"); });
    // After block 1 the host skips to 33: the block lands as the third part of
    // November and the run goes on with 34.
    host.changeDatano = [](std::int32_t& datano) {
        if (datano == 1) datano = 33;
    };
    auto l = load(host);
    EXPECT_EQ(host.blocksRaised, (std::vector<std::int32_t>{1, 34, 35, 36}));
    const AnnualStore& s = l->control->store();
    EXPECT_EQ(s.DayTable(1, 1), u"");
    EXPECT_EQ(s.DayTable(11, 21), u"1.00");
    EXPECT_EQ(s.DayTable(11, 30), u"1.00");
    EXPECT_EQ(s.DurDays(1), 10 + 10 + 10 + 11);
}

TEST(YearAssembly, ACounterBeyondTheYearFailsWithSubscriptOutOfRange) {
    YearHost host = YearHost::daily(2023, [](int, int) { return std::u16string(u"1"); });
    host.changeDatano = [](std::int32_t& datano) { datano = 37; };
    TestPlatform p;
    TZenzu control(p.platform());
    control.setEvents(&host);
    EXPECT_EQ(errorOfNenZu(control), kSubscriptOutOfRange);
}

// Delivers the whole leap year, then block 36 once more with a few extra days: the
// year collects more days than it can hold.
struct RepeatingHost : TZenzuEvents {
    int extraDays;
    int lastBlocks = 0;
    void GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) override {
        fillBlock(Suii, blockSpan(2024, datano), [](int, int) { return std::u16string(u"1"); });
        if (datano == 36 && lastBlocks++ == 0) {
            datano = 35;  // raise block 36 again
        } else if (datano == 36) {
            Suii(0, 0) = plainInteger(extraDays);
        }
        ret = true;
    }
};

TEST(YearAssembly, MoreDaysThanAYearHoldsFailsWithSubscriptOutOfRange) {
    for (int extra : {1, 2}) {  // 367 and 368 days with data
        RepeatingHost host;
        host.extraDays = extra;
        TestPlatform p;
        TZenzu control(p.platform());
        control.setEvents(&host);
        EXPECT_EQ(errorOfNenZu(control), kSubscriptOutOfRange) << extra;
        EXPECT_TRUE(p.surface.lines().empty());
        // At 367 days the statistics and the axis texts are stored before the end
        // marker finds no room; at 368 the collection itself fails.
        EXPECT_EQ(control.store().Stats(kStatMax), extra == 1 ? 1 : 0);
        EXPECT_EQ(control.txtMax().empty(), extra != 1);
    }
}

TEST(YearAssembly, BlockFailuresReachTheHost) {
    struct Case {
        const char16_t* dayCount;
        int error;
    } cases[] = {{u"abc", kTypeMismatch}, {u"", kTypeMismatch}, {u"12", kSubscriptOutOfRange}};
    for (const auto& c : cases) {
        YearHost host = YearHost::daily(2023, [](int, int) { return std::u16string(u"1"); });
        const std::u16string dayCount = c.dayCount;
        struct Wrap : TZenzuEvents {
            YearHost* inner;
            std::u16string count;
            void GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) override {
                inner->GetBlockData(datano, Suii, ret);
                Suii(0, 0) = count;
            }
        } wrap;
        wrap.inner = &host;
        wrap.count = dayCount;
        TestPlatform p;
        TZenzu control(p.platform());
        control.setEvents(&wrap);
        EXPECT_EQ(errorOfNenZu(control), c.error) << toUtf8(dayCount);
    }
}

TEST(YearAssembly, MissingHoursAndPartialYears) {
    // Readings only on even hours of the first half of 2023, 10 and 20 alternating.
    YearHost host(2023, [](int m, int, int h) -> std::u16string {
        if (m > 6 || h % 2) return u"";
        return h % 4 ? u"10" : u"20";
    });
    auto l = load(host);
    const AnnualStore& s = l->control->store();
    EXPECT_EQ(s.DayTable(6, 30), u"15.00");
    EXPECT_EQ(s.DayTable(7, 1), u"");
    EXPECT_EQ(s.DurDays(1), 181);
    EXPECT_EQ(s.Stats(kStatHigh), 15);
    EXPECT_EQ(s.Stats(kStatNormal), 0);
}

}  // namespace
}  // namespace tellvane
