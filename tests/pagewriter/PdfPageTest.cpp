// PDF pages read back with the poppler tools and qpdf: texts, fonts, placement and pixels.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "pagewriter/PageErrors.h"
#include "tests/pagewriter/PageTesting.h"
#include "tests/support/ErrorOf.h"

namespace tellvane::pagewriter::test {
namespace {

const ReservedWords kZero{};

class PdfPage : public testing::Test {
protected:
    /// A page drawn by the function, written to name in the temporary directory.
    std::string page(const std::string& name, const std::function<void(PlotDocument&)>& draw) {
        auto doc = startedDocument();
        draw(*doc);
        const std::string path = dir_.file(name);
        writeTo(*doc, path);
        return path;
    }
    const WordBox* find(const std::vector<WordBox>& boxes, const std::string& word) {
        for (const auto& b : boxes)
            if (b.word == word) return &b;
        ADD_FAILURE() << "no word " << word;
        return nullptr;
    }
    TemporaryDirectory dir_;
};

std::vector<std::string> columns(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string c; in >> c;) out.push_back(c);
    return out;
}

TEST_F(PdfPage, JapaneseTextIsSearchableInOneEmbeddedSubsetFont) {
    const std::string pdf = page("texts.kvd", [](auto& d) {
        d.DrawTitle(180, 268, u"日　水　位　年　図", kZero, 9, 9, 0, 0, {}, {});
        d.DrawText(368.8, 200, u"１２３４．５０", kZero, 4, 4, 0, 0, 1, 2);
        d.DrawText(320, 252, u"平成 13 年（西暦 2001 年）", kZero, 5, 5, 0, 0, {}, {});
    });
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("１２３４．５０"), std::string::npos) << text;
    EXPECT_NE(text.find("平成 13 年（西暦 2001 年）"), std::string::npos) << text;
    // pdftotext turns the ideographic spaces of the widely spaced title into plain
    // ones; the title's second, thickening pass is not read again.
    EXPECT_NE(text.find("日 水 位 年 図"), std::string::npos) << text;
    EXPECT_EQ(text.find("日 水 位 年 図", text.find("日 水 位 年 図") + 1), std::string::npos) << text;

    // pdffonts: name, type, encoding, then emb, sub and uni as yes or no, object, ID.
    const auto fonts = pdfFonts(pdf);
    ASSERT_EQ(fonts.size(), 1u);
    const auto c = columns(fonts[0]);
    ASSERT_EQ(c.size(), 9u) << fonts[0];
    EXPECT_EQ(c[0].substr(6), "+IPAGothic") << "named with a subset tag";
    EXPECT_EQ(c[1] + " " + c[2] + " " + c[3], "CID TrueType Identity-H");
    EXPECT_EQ(c[4] + c[5] + c[6], "yesyesyes") << "embedded, a subset, with a Unicode map: " << fonts[0];
    // The whole face is several megabytes; only the glyphs in use are embedded.
    EXPECT_LT(contents(pdf).size(), 30u * 1024);
    const CommandResult check = runCommand("qpdf --check '" + pdf + "' 2>&1");
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_NE(check.out.find("No syntax or stream encoding errors found"), std::string::npos) << check.out;
}

TEST_F(PdfPage, AnchorCodesPlaceTheCharacterBoxAtThePoint) {
    // Each text is two full-width characters of width 8 and height 6: a 16 x 6 box.
    const char16_t* texts[9] = {u"一一", u"二二", u"三三", u"四四", u"五五", u"六六", u"七七", u"八八", u"九九"};
    const char* words[9] = {"一一", "二二", "三三", "四四", "五五", "六六", "七七", "八八", "九九"};
    const std::string pdf = page("anchors.pdf", [&](auto& d) {
        for (int c = 0; c < 9; ++c) d.DrawText(60 + 40 * c, 100 + 10 * c, texts[c], kZero, 8, 6, 0, 0, 1, c);
    });
    const auto boxes = wordBoxes(pdf);
    for (int c = 0; c < 9; ++c) {
        const WordBox* b = find(boxes, words[c]);
        if (b == nullptr) continue;
        const double x = 60 + 40 * c, y = 100 + 10 * c;
        EXPECT_NEAR(b->right - b->left, 16.0, 0.2) << "anchor " << c;
        EXPECT_NEAR(b->top - b->bottom, 6.0, 0.2) << "anchor " << c;
        EXPECT_NEAR(b->left, x - (c % 3) * 8.0, 0.2) << "anchor " << c;
        EXPECT_NEAR(b->bottom, y - (c / 3) * 3.0, 0.2) << "anchor " << c;
    }
}

TEST_F(PdfPage, HalfWidthCharactersTakeHalfAWidthAndTheWidthStretches) {
    const std::string pdf = page("widths.pdf", [](auto& d) {
        d.DrawText(50, 50, u"2001", kZero, 10, 5, 0, 0, 1, 0);
        d.DrawText(50, 100, u"年", kZero, 4, 4, 0, 0, 1, 0);
    });
    const auto boxes = wordBoxes(pdf);
    if (const WordBox* b = find(boxes, "2001")) {
        EXPECT_NEAR(b->right - b->left, 20.0, 0.2);
    }
    if (const WordBox* b = find(boxes, "年")) {
        EXPECT_NEAR(b->right - b->left, 4.0, 0.1);
    }
}

TEST_F(PdfPage, ATurnedTextRunsUpwardFromItsAnchorPoint) {
    // A quarter turn counter-clockwise about (100, 100): the box's bottom-left corner
    // stays there and the text runs up the sheet, its line of height 6 to the left.
    const std::string pdf =
        page("turned.pdf", [](auto& d) { d.DrawText(100, 100, u"水位", kZero, 8, 6, 90, 0, 1, 0); });
    const int dpi = 100;
    const Picture image = renderedPage(pdf, dpi);
    ASSERT_FALSE(image.empty());
    int inkAbove = 255, inkRight = 255, inkLeft = 255;
    for (double t = 1; t < 15; t += 0.5) {
        for (double s = 0.5; s < 5.5; s += 0.5) {
            inkAbove = std::min(inkAbove, darkestNear(image, dpi, 100 - s, 100 + t, 0));
            inkRight = std::min(inkRight, darkestNear(image, dpi, 100 + s + 0.5, 100 + t, 0));
        }
        inkLeft = std::min(inkLeft, darkestNear(image, dpi, 100 - t - 7, 110, 0));
    }
    EXPECT_LT(inkAbove, 128) << "the text lies above the point, to its left";
    EXPECT_GT(inkRight, 250) << "nothing to the right of the point";
    EXPECT_GT(inkLeft, 250) << "nothing beyond the line's height";
}

TEST_F(PdfPage, LinesAreDarkWhereTheyRunAndPatternedAsAsked) {
    const std::string pdf = page("lines.pdf", [](auto& d) {
        d.DrawLine(50, 135, 400, 135, 1, {}, {}, {});  // solid
        d.DrawLine(50, 100, 400, 100, 1, 1, {}, {});   // dashed
        d.DrawLine(50, 60, 400, 60, u"2", {}, {}, 1);  // red, as the daily step line
    });
    const int dpi = 100;
    const Picture image = renderedPage(pdf, dpi);
    ASSERT_FALSE(image.empty());
    EXPECT_LT(darkestNear(image, dpi, 200, 135), 100);
    EXPECT_GT(darkestNear(image, dpi, 200, 140, 3), 250) << "paper stays white beside a line";

    int dark = 0, light = 0;
    for (double x = 60; x < 380; x += 0.25) (darkestNear(image, dpi, x, 100) < 100 ? dark : light)++;
    EXPECT_GT(dark, 200);
    EXPECT_GT(light, 200) << "a dashed line leaves gaps";

    const double perMm = dpi / 25.4;
    const std::uint8_t* red = image.at(static_cast<int>(200 * perMm), static_cast<int>((297 - 60) * perMm));
    EXPECT_GT(red[0], 150);
    EXPECT_LT(red[1], 100);
}

TEST_F(PdfPage, PensBeyondTheTableDrawWithPenZeroAndWidthsBeyondItAreRefused) {
    auto doc = startedDocument();
    for (const PlotPen& stray : {PlotPen{std::int32_t{9}}, PlotPen{std::int32_t{-1}}, PlotPen{u"32767"}})
        doc->DrawLine(50, 100, 400, 100, stray, {}, {}, 10);
    doc->DrawLine(50, 50, 400, 50, 2, {}, {}, 10);
    EXPECT_EQ(tellvane::test::errorOf([&] { doc->DrawLine(50, 60, 400, 60, 2, {}, {}, 11); }), kDrawingRefused);
    const std::string pdf = dir_.file("pens.pdf");
    writeTo(*doc, pdf);
    const int dpi = 100;
    const Picture image = renderedPage(pdf, dpi);
    ASSERT_FALSE(image.empty());
    // Pen 0 is black and 0.18 mm wide: ten times that is 1.8 mm, about 7 pixels.
    const auto at = [&](double x, double y) {
        return image.at(static_cast<int>(x * dpi / 25.4), static_cast<int>((297 - y) * dpi / 25.4));
    };
    EXPECT_LT(at(200, 100)[0], 60);
    EXPECT_EQ(at(200, 100)[0], at(200, 100)[1]) << "black, not a pen's colour";
    EXPECT_LT(at(200, 100.7)[0], 60) << "ten times pen 0's width";
    EXPECT_GT(at(200, 101.5)[0], 200);
    EXPECT_GT(at(200, 50)[0], 150) << "pen 2 is red";
    EXPECT_GT(at(200, 60)[1], 250) << "the refused line is not drawn";
}

TEST_F(PdfPage, SetupChoosesPaperCopiesColourAndScale) {
    auto doc = startedDocument();
    doc->SetupValue11(4);
    doc->SetupValue12(false);
    doc->SetupValue8(2);
    doc->SetupValue7(1);
    doc->SetupValue10(0.5);
    doc->SetupValue6(1);
    doc->DrawText(0, 0, u"中", kZero, 10, 10, 0, 2, {}, 4);
    doc->DrawText(0, 0, u"寸", kZero, 10, 10, 0, 2, 1, 1);
    doc->DrawLine(-100, -100, 100, -100, 2, {}, {}, 4);
    const std::string pdf = dir_.file("a4.pdf");
    writeTo(*doc, pdf);

    const std::string info = runCommand("pdfinfo '" + pdf + "'").out;
    EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << info;
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;

    // Centred origin on A4 portrait: (0, 0) is (105, 148.5) mm; 10 units of 0.5 mm are
    // 5 mm, while option 1 takes the sizes in millimetres.
    const auto boxes = wordBoxes(pdf);
    if (const WordBox* b = find(boxes, "中")) {
        EXPECT_NEAR((b->left + b->right) / 2, 105.0, 0.2);
        EXPECT_NEAR((b->bottom + b->top) / 2, 148.5, 0.2);
        EXPECT_NEAR(b->right - b->left, 5.0, 0.2);
    }
    if (const WordBox* b = find(boxes, "寸")) {
        EXPECT_NEAR(b->right - b->left, 10.0, 0.2);
    }
    // The red pen draws black in the monochrome mode; the line lies 50 mm below the origin.
    const int dpi = 100;
    const Picture image = renderedPage(pdf, dpi);
    ASSERT_FALSE(image.empty());
    const std::uint8_t* ink = image.at(static_cast<int>(105 * dpi / 25.4), static_cast<int>((297 - 98.5) * dpi / 25.4));
    EXPECT_LT(ink[0], 80);
    EXPECT_EQ(ink[0], ink[1]);
}

TEST_F(PdfPage, TheSamePageGivesTheSameBytesWithoutADate) {
    const auto draw = [](auto& d) {
        d.DrawLine(50, 10, 50, 250, 0, {}, {}, {});
        d.DrawTitle(180, 268, u"日　流　量　年　図", kZero, 9, 9, 0, 0, {}, {});
    };
    const std::string first = contents(page("first.pdf", draw));
    EXPECT_EQ(first, contents(page("second.pdf", draw)));
    EXPECT_EQ(first.find("Date"), std::string::npos);
    const auto other = [](auto& d) { d.DrawTitle(180, 268, u"日　水　位　年　図", kZero, 9, 9, 0, 0, {}, {}); };
    const std::string third = contents(page("third.pdf", other));
    const auto id = [](const std::string& pdf) { return pdf.substr(pdf.find("/ID [")); };
    EXPECT_NE(id(first), id(third)) << "the identifier follows the contents";
}

TEST_F(PdfPage, APageWithoutTextsHasNoFont) {
    const std::string pdf = page("bare.pdf", [](auto& d) { d.DrawLine(50, 10, 50, 250, 0, {}, {}, {}); });
    EXPECT_TRUE(pdfFonts(pdf).empty());
    EXPECT_EQ(runCommand("qpdf --check '" + pdf + "' >/dev/null 2>&1").status, 0);
    EXPECT_LT(darkestNear(renderedPage(pdf, 100), 100, 50, 100), 100);
}

}  // namespace
}  // namespace tellvane::pagewriter::test
