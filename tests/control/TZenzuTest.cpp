#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "control/TZenzu.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/Trace.h"
#include "tests/support/YearHost.h"

namespace tellvane {
namespace {

using test::TestPlatform;
using test::YearHost;

using test::countOf;

TEST(TZenzu, StartsEmpty) {
    TestPlatform p;
    TZenzu control(p.platform());
    EXPECT_EQ(control.KansokujoNO(), u"");
    EXPECT_EQ(control.txtMax(), u"");
    EXPECT_EQ(control.txtMin(), u"");
    EXPECT_EQ(control.Mode(), u"");
    EXPECT_EQ(control.Seireki(), 0);
    EXPECT_EQ(control.store().DurDays(1), 0);
    EXPECT_TRUE(p.surface.lines().empty());
}

TEST(TZenzu, ScreenSizeInPoints) {
    TestPlatform p;
    p.screen.width = 15360;
    p.screen.height = 11520;
    TZenzu control(p.platform());
    EXPECT_EQ(control.ScreenWidth(), 768.0f);
    EXPECT_EQ(control.ScreenHeight(), 576.0f);
    p.screen.width = 28800;  // read anew on every call
    EXPECT_EQ(control.ScreenWidth(), 1440.0f);
}

TEST(TZenzu, NenZuOverwritesTheAxisTextsTheHostSet) {
    YearHost host = YearHost::daily(2023, [](int, int) { return std::u16string(u"3.25"); });
    TestPlatform p;
    TZenzu control(p.platform());
    control.setEvents(&host);
    control.settxtMax(u"100");
    ASSERT_TRUE(control.NenZu());
    EXPECT_EQ(control.txtMax(), u"5");
    EXPECT_EQ(control.txtMin(), u"3");
    // White background first, then the drawing from a cleared surface.
    ASSERT_GE(p.surface.lines().size(), 2u);
    EXPECT_EQ(p.surface.lines()[0], R"({"op":"background","rgb":"FFFFFF"})");
    EXPECT_EQ(p.surface.lines()[1], R"({"op":"clear"})");
}

TEST(TZenzu, ResizeFitsThePictureToTheClientArea) {
    TestPlatform p;
    p.container.left = 0;
    p.container.top = 0;
    p.container.width = 0;
    p.container.height = 0;
    TZenzu control(p.platform());
    control.Resize();
    EXPECT_EQ(p.surface.lines(), (std::vector<std::string>{
                                     R"({"op":"left","twips":0})",
                                     R"({"op":"top","twips":0})",
                                     R"({"op":"width","twips":0})",
                                     R"({"op":"height","twips":0})",
                                 }));
    EXPECT_EQ(p.surface.scaleWidth(), 0);
}

TEST(TZenzu, ResizeIgnoresEachRefusedAssignment) {
    TestPlatform p;
    p.container.width = 15000;
    p.container.height = 9000;
    p.surface.log().failAt(3);  // the width is refused
    TZenzu control(p.platform());
    EXPECT_NO_THROW(control.Resize());
    EXPECT_EQ(p.surface.lines().size(), 3u);
    EXPECT_EQ(p.surface.lines().back(), R"({"op":"height","twips":9000})");
}

TEST(TZenzu, ResizeIgnoresFailuresThatAreNotStandardExceptions) {
    // A host's container may throw anything; the handler still places what it can.
    struct ThrowingContainer : test::FakeContainer {
        float scaleLeft() override { throw 42; }
        float scaleWidth() override { throw "no width"; }
    };
    TestPlatform p;
    ThrowingContainer container;
    container.top = 120;
    container.height = 9000;
    const Platform platform = p.platform();
    TZenzu control(Platform{container, platform.picture, platform.screen, platform.messageBox, platform.settings,
                            platform.library, platform.events, platform.plotDocuments});
    EXPECT_NO_THROW(control.Resize());
    EXPECT_EQ(p.surface.lines(), (std::vector<std::string>{
                                     R"({"op":"top","twips":120})",
                                     R"({"op":"height","twips":9000})",
                                 }));
}

TEST(TZenzu, ReGRaphBeforeAnyLoadDrawsTheEmptyStore) {
    TestPlatform p;
    YearHost host = YearHost::daily(2023, [](int, int) { return std::u16string(); });
    TZenzu control(p.platform());
    control.setEvents(&host);
    EXPECT_NO_THROW(control.ReGRaph());
    EXPECT_EQ(host.nameCalls, 1);
    EXPECT_EQ(host.blocksRaised.size(), 0u);
    EXPECT_EQ(countOf(p.surface.lines(), "background"), 0);
    EXPECT_EQ(countOf(p.surface.lines(), R"("print","text":"0.00")"), 5);  // all five labels show 0
}

TEST(TZenzu, TheHostsWokNeverReachesTheStationNumber) {
    TestPlatform p(600, 400);
    YearHost host = YearHost::daily(2023, [](int, int) { return std::u16string(u"1"); });
    host.wokWrite = u"999";
    TZenzu control(p.platform());
    control.setEvents(&host);
    control.setKansokujoNO(u"301011281104010");
    control.NenZu();
    control.ReGRaph();
    EXPECT_EQ(host.wokSeen, u"301011281104010");
    EXPECT_EQ(control.KansokujoNO(), u"301011281104010");
    EXPECT_EQ(host.nameCalls, 2);
}

}  // namespace
}  // namespace tellvane
