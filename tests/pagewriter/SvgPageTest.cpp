// SVG pages: well-formed XML (as xmllint reads it) holding the texts as text.
#include <gtest/gtest.h>

#include "common/Text.h"
#include "pagewriter/PageErrors.h"
#include "tests/pagewriter/PageTesting.h"
#include "tests/support/ErrorOf.h"

namespace tellvane::pagewriter::test {
namespace {

const ReservedWords kZero{};

std::string svgPage(const std::string& path) {
    auto doc = startedDocument();
    doc->DrawLine(50, 10, 50, 250, 0, {}, {}, {});
    doc->DrawLine(50, 100, 400, 100, u"", 1, 1, 1);
    doc->DrawTitle(180, 268, u"日　水　位　年　図", kZero, 9, 9, 0, 0, {}, {});
    doc->DrawText(63.5, 266, u"301011281104010", kZero, 4, 4, 0, 0, {}, 1);
    doc->DrawText(63.5, 200, u"R&D <1>", kZero, 4, 4, 0, 0, {}, 1);
    writeTo(*doc, path);
    return contents(path);
}

std::string xpath(const std::string& path, const std::string& expression) {
    std::string out = runCommand("xmllint --xpath \"" + expression + "\" '" + path + "' 2>&1").out;
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

TEST(SvgPage, ParsesAsXmlAndHoldsTheTitleTextsAndSheetSize) {
    TemporaryDirectory dir;
    const std::string path = dir.file("page.svg");
    const std::string svg = svgPage(path);
    ASSERT_FALSE(svg.empty());
    EXPECT_NE(svg.rfind("<?xml", 0), std::string::npos);

    const CommandResult wellFormed = runCommand("xmllint --noout '" + path + "' 2>&1");
    EXPECT_EQ(wellFormed.status, 0) << wellFormed.out;
    EXPECT_EQ(xpath(path, "string(/*[local-name()='svg']/@width)"), "420mm");
    EXPECT_EQ(xpath(path, "string(/*[local-name()='svg']/@height)"), "297mm");
    EXPECT_EQ(xpath(path, "string(//*[local-name()='title'])"), "日　水　位　年　図");
    const std::string texts = xpath(path, "//*[local-name()='text']/text()");
    for (const char* expected : {"日　水　位　年　図", "301011281104010", "R&amp;D &lt;1&gt;"})
        EXPECT_NE(texts.find(expected), std::string::npos) << expected << " in " << texts;
    EXPECT_EQ(xpath(path, "count(//*[local-name()='text'][@font-weight='bold'])"), "1");
    EXPECT_EQ(xpath(path, "count(//*[local-name()='path'][@stroke-dasharray])"), "1");
}

TEST(SvgPage, TheSamePageGivesTheSameBytes) {
    TemporaryDirectory dir;
    EXPECT_EQ(svgPage(dir.file("a.svg")), svgPage(dir.file("b.SVG")));
}

TEST(SvgPage, ACharacterTheFaceLacksFailsAsInAPdf) {
    TemporaryDirectory dir;
    auto doc = startedDocument();
    doc->DrawText(63.5, 266, u"한", kZero, 4, 4, 0, 0, {}, 1);
    doc->OutputToFile(u16(dir.file("page.svg")));
    ASSERT_TRUE(waitUntilDone(*doc));
    EXPECT_EQ(tellvane::test::errorOf([&] { doc->CloseDocument(); }), kOutputFailed);
    EXPECT_TRUE(dir.entries().empty());
}

}  // namespace
}  // namespace tellvane::pagewriter::test
