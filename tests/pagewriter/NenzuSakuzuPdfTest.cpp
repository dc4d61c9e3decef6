// The whole road: a control loads a year and plots it into this document, whose
// PDF then carries the page's texts and rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/Rounding.h"
#include "common/Text.h"
#include "control/TZenzu.h"
#include "pagewriter/PageDocument.h"
#include "tests/pagewriter/PageTesting.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/YearHost.h"

namespace tellvane::pagewriter::test {
namespace {

// pdftotext splits the widely spaced texts and turns ideographic spaces into plain
// ones; compare without any spaces.
std::string withoutSpaces(std::string text) {
    std::string out;
    const std::string ideographic = "\u3000";
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, ideographic.size(), ideographic) == 0) {
            i += ideographic.size();
        } else {
            if (text[i] != ' ' && text[i] != '\n') out += text[i];
            ++i;
        }
    }
    return out;
}

TEST(NenzuSakuzuPdf, ThePlottedPageIsASearchablePdfWithItsRules) {
    TemporaryDirectory dir;
    tellvane::test::TestPlatform tp;
    PageDocumentFactory documents;
    tp.plots.make = [&] { return documents.create(); };
    tp.library.dir = u16(dir.path());
    // Day d of month m reads 40 m + d: 41 on 1 January up to 511 on 31 December.
    auto host = tellvane::test::YearHost::daily(2001, [](int m, int d) { return u16(std::to_string(40 * m + d)); });
    TZenzu control(tp.platform());
    control.setEvents(&host);
    control.setKansokujoNO(u"301011281104010");
    control.setSeireki(2001);
    control.setMode(u"1");
    ASSERT_TRUE(control.NenZu());
    control.NenzuSakuzu();

    const std::string pdf = dir.file("M_g_l.kvd");
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const std::string text = withoutSpaces(pdfText(pdf));
    for (const std::string expected : {"日水位年図", "平成13年（西暦2001年）", "301011281104010", "茂志利", "天塩川",
                                       "水位位況", "５１１．００", "４１．００", "１２月"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    for (int slot = 1; slot <= 7; ++slot) {
        const std::string value = toUtf8(fullWidth(twoDecimal(Round2(control.store().Stats(slot)))));
        EXPECT_NE(text.find(value), std::string::npos) << "statistic " << slot << " " << value;
    }

    const int dpi = 200;
    const Picture page = renderedPage(pdf, dpi);
    ASSERT_FALSE(page.empty());
    EXPECT_LT(darkestNear(page, dpi, 75, 20), 128) << "the time axis";
    EXPECT_LT(darkestNear(page, dpi, 50 + 350.0 / 12, 100), 128) << "the first month rule";
    EXPECT_LT(darkestNear(page, dpi, 131, 255), 128) << "a cell rule of the header strip";
    EXPECT_GT(darkestNear(page, dpi, 45, 150, 3), 250) << "the left strip is blank";
}

}  // namespace
}  // namespace tellvane::pagewriter::test
