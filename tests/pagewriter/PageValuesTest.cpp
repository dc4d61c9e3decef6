// The values a document accepts and refuses, and the pure pieces behind them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "pagewriter/PageErrors.h"
#include "pagewriter/PenTable.h"
#include "tests/pagewriter/PageTesting.h"
#include "tests/support/ErrorOf.h"

namespace tellvane::pagewriter::test {
namespace {

using tellvane::test::errorOf;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct SetupCase {
    const char* name;
    std::function<void(PlotDocument&)> set;
    int error;  // 0: accepted
};

TEST(PageValues, SetupValuesAreHonouredOrRefused) {
    const SetupCase cases[] = {
        {"typeface by name", [](auto& d) { d.SetupValue1(u"IPAGothic"); }, 0},
        {"typeface by name, other case", [](auto& d) { d.SetupValue1(u"ipagothic"); }, 0},
        {"typeface not installed", [](auto& d) { d.SetupValue1(u"No Such Face 42"); }, kSetupRefused},
        {"dash 0", [](auto& d) { d.SetupValue2(0.0); }, kSetupRefused},
        {"dash NaN", [](auto& d) { d.SetupValue2(kNaN); }, kSetupRefused},
        {"dash 50", [](auto& d) { d.SetupValue2(50.0); }, 0},
        {"gap negative", [](auto& d) { d.SetupValue3(-1.0); }, kSetupRefused},
        {"long dash 51", [](auto& d) { d.SetupValue4(51.0); }, kSetupRefused},
        {"offset negative", [](auto& d) { d.SetupValue5(-0.5); }, kSetupRefused},
        {"origin centre", [](auto& d) { d.SetupValue6(1); }, 0},
        {"origin 2", [](auto& d) { d.SetupValue6(2); }, kSetupRefused},
        {"monochrome", [](auto& d) { d.SetupValue7(1); }, 0},
        {"colour mode -1", [](auto& d) { d.SetupValue7(-1); }, kSetupRefused},
        {"copies 0", [](auto& d) { d.SetupValue8(0); }, kSetupRefused},
        {"copies 99", [](auto& d) { d.SetupValue8(99); }, 0},
        {"copies 100", [](auto& d) { d.SetupValue8(100); }, kSetupRefused},
        {"line ends 3", [](auto& d) { d.SetupValue9(3); }, kSetupRefused},
        {"unit 0", [](auto& d) { d.SetupValue10(0.0); }, kSetupRefused},
        {"unit infinite", [](auto& d) { d.SetupValue10(INFINITY); }, kSetupRefused},
        {"paper A0", [](auto& d) { d.SetupValue11(0); }, 0},
        {"paper 7", [](auto& d) { d.SetupValue11(7); }, kSetupRefused},
        {"paper -1", [](auto& d) { d.SetupValue11(-1); }, kSetupRefused},
        {"portrait", [](auto& d) { d.SetupValue12(false); }, 0},
    };
    PageDocumentFactory documents;
    for (const auto& c : cases) {
        const auto doc = documents.create();
        EXPECT_EQ(errorOf([&] { c.set(*doc); }), c.error) << c.name;
    }
}

struct DrawCase {
    const char* name;
    std::function<void(PlotDocument&)> draw;
    int error;
};

TEST(PageValues, DrawingValuesAreCheckedWhenDrawn) {
    const ReservedWords zero{};
    const DrawCase cases[] = {
        {"solid, all left out", [](auto& d) { d.DrawLine(0, 0, 1, 1, 0, {}, {}, {}); }, 0},
        {"curve (left out, left out, 1)", [](auto& d) { d.DrawLine(0, 0, 1, 1, u"2", {}, {}, 1); }, 0},
        {"leader (1, 1, 1)", [](auto& d) { d.DrawLine(0, 0, 1, 1, u"", 1, 1, 1); }, 0},
        {"line type 4", [](auto& d) { d.DrawLine(0, 0, 1, 1, 0, 4, {}, {}); }, kDrawingRefused},
        {"line type -1", [](auto& d) { d.DrawLine(0, 0, 1, 1, 0, -1, {}, {}); }, kDrawingRefused},
        {"pattern scale 0", [](auto& d) { d.DrawLine(0, 0, 1, 1, 0, 1, 0, {}); }, kDrawingRefused},
        {"width factor 11", [](auto& d) { d.DrawLine(0, 0, 1, 1, 0, {}, {}, 11); }, kDrawingRefused},
        {"coordinate NaN", [](auto& d) { d.DrawLine(kNaN, 0, 1, 1, 0, {}, {}, {}); }, kDrawingRefused},
        {"pen text beyond 32 bits", [](auto& d) { d.DrawLine(0, 0, 1, 1, u"1e10", {}, {}, {}); }, kOverflow},
        {"text, anchor 8", [&](auto& d) { d.DrawText(0, 0, u"a", zero, 3, 3, 0, 0, 1, 8); }, 0},
        {"text, anchor 9", [&](auto& d) { d.DrawText(0, 0, u"a", zero, 3, 3, 0, 0, 1, 9); }, kDrawingRefused},
        {"text, anchor -1", [&](auto& d) { d.DrawText(0, 0, u"a", zero, 3, 3, 0, 0, {}, -1); }, kDrawingRefused},
        {"text, option 2", [&](auto& d) { d.DrawText(0, 0, u"a", zero, 3, 3, 0, 0, 2, {}); }, kDrawingRefused},
        {"text, width 0", [&](auto& d) { d.DrawText(0, 0, u"a", zero, 0, 3, 0, 0, {}, {}); }, kDrawingRefused},
        {"text, height NaN", [&](auto& d) { d.DrawText(0, 0, u"a", zero, 3, kNaN, 0, 0, {}, {}); }, kDrawingRefused},
        {"text, rotation infinite", [&](auto& d) { d.DrawText(0, 0, u"a", zero, 3, 3, INFINITY, 0, {}, {}); },
         kDrawingRefused},
        {"text, reserved word 1",
         [&](auto& d) {
             d.DrawText(0, 0, u"a", {0, 0, 1, 0, 0}, 3, 3, 0, 0, {}, {});
         },
         kDrawingRefused},
        {"title", [&](auto& d) { d.DrawTitle(0, 0, u"日", zero, 9, 9, 0, 0, {}, {}); }, 0},
    };
    for (const auto& c : cases) {
        auto doc = startedDocument();
        EXPECT_EQ(errorOf([&] { c.draw(*doc); }), c.error) << c.name;
    }
}

TEST(PageValues, OperationsOutOfOrderAreRefused) {
    const auto fresh = PageDocumentFactory().create();
    EXPECT_EQ(errorOf([&] { fresh->DrawLine(0, 0, 1, 1, 0, {}, {}, {}); }), kOutOfOrder);
    EXPECT_EQ(errorOf([&] { fresh->OutputToFile(u"/tmp/x.pdf"); }), kOutOfOrder);

    auto doc = startedDocument();
    EXPECT_EQ(errorOf([&] { doc->StartDocument(); }), kOutOfOrder);
    EXPECT_EQ(errorOf([&] { doc->OutputToFile(u""); }), kOutputFailed);
    doc->SetupValue8(2);
    EXPECT_EQ(errorOf([&] { doc->OutputToFile(u"/tmp/page.SVG"); }), kSetupRefused);
    EXPECT_TRUE(doc->Active()) << "a refused output leaves the page open";
}

TEST(PageValues, TypefacesAreThoseWhoseFilesExist) {
    PageWriterOptions missing;
    missing.typefaces = {{"IPAGothic", {"/nonexistent/ipag.ttf"}}};
    EXPECT_EQ(errorOf([&] { PageDocumentFactory(missing).create(); }), kNoTypeface);

    PageWriterOptions two;
    two.typefaces = {defaultTypefaces().front(), {"Ghost Face", {"/nonexistent/ghost.ttf"}}};
    const auto doc = PageDocumentFactory(two).create();
    EXPECT_EQ(errorOf([&] { doc->SetupValue1(u"Ghost Face"); }), kSetupRefused) << "listed, but no file";
    EXPECT_EQ(errorOf([&] { doc->SetupValue1(u"IPAGothic"); }), 0);
}

TEST(PageValues, PenNumbersComeFromIntegersAndLeadingNumbers) {
    EXPECT_EQ(penNumber(PlotPen{std::int32_t{5}}), 5);
    EXPECT_EQ(penNumber(PlotPen{u"3.5"}), 4);
    EXPECT_EQ(penNumber(PlotPen{u"2.5"}), 2);
    EXPECT_EQ(penNumber(PlotPen{u" 7abc"}), 7);
    EXPECT_EQ(penNumber(PlotPen{u""}), 0);
    EXPECT_EQ(penNumber(PlotPen{u"x3"}), 0);
}

TEST(PageValues, PensOneToSixDifferAndStrayNumbersDrawWithPenZero) {
    for (int a = 0; a <= 6; ++a)
        for (int b = a + 1; b <= 6; ++b)
            EXPECT_TRUE(penOf(a).colour != penOf(b).colour || penOf(a).width != penOf(b).width) << a << " " << b;
    EXPECT_EQ(penOf(0).colour, (Rgb{0, 0, 0}));
    for (const int stray : {-1, kPenCount, 10, 32767}) {
        EXPECT_EQ(penOf(stray).colour, penOf(0).colour) << stray;
        EXPECT_EQ(penOf(stray).width, penOf(0).width) << stray;
    }
}

}  // namespace
}  // namespace tellvane::pagewriter::test
