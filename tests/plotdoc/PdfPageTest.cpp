// PDF pages read back with the poppler tools: texts, fonts, placement and pixels.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <thread>

#include "tests/plotdoc/PlotDocTesting.h"

namespace tellvane::plotdoc::test {
namespace {

const ReservedWords kZero{};

class PdfPage : public testing::Test {
protected:
    /// A page drawn by the function, written to name in the temporary directory.
    QString page(const QString& name, const std::function<void(PdfPlotDocument&)>& draw) {
        auto doc = startedDocument();
        draw(*doc);
        const QString path = dir_.filePath(name);
        writeTo(*doc, path);
        return path;
    }
    const WordBox* find(const std::vector<WordBox>& boxes, const std::string& word) {
        for (const auto& b : boxes)
            if (b.word == word) return &b;
        ADD_FAILURE() << "no word " << word;
        return nullptr;
    }
    QTemporaryDir dir_;
};

TEST_F(PdfPage, JapaneseTextIsSearchableInAnEmbeddedSubsetFont) {
    const QString pdf = page("texts.kvd", [](auto& d) {
        d.DrawTitle(180, 268, u"日　水　位　年　図", kZero, 9, 9, 0, 0, {}, {});
        d.DrawText(368.8, 200, u"１２３４．５０", kZero, 4, 4, 0, 0, 1, 2);
        d.DrawText(320, 252, u"平成 13 年（西暦 2001 年）", kZero, 5, 5, 0, 0, {}, {});
    });
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("１２３４．５０"), std::string::npos) << text;
    EXPECT_NE(text.find("平成 13 年（西暦 2001 年）"), std::string::npos) << text;
    // pdftotext turns the ideographic spaces of the widely spaced title into plain ones.
    EXPECT_NE(text.find("日 水 位 年 図"), std::string::npos) << text;

    // pdffonts: name, type, encoding, then emb, sub and uni as yes or no, object, ID.
    const std::string fonts = runCommand("pdffonts '" + pdf.toStdString() + "'").out;
    const QStringList line = QString::fromStdString(fonts).split('\n').filter("IPAGothic");
    ASSERT_EQ(line.size(), 1) << fonts;
    const QStringList columns = line[0].split(' ', Qt::SkipEmptyParts);
    ASSERT_GE(columns.size(), 8) << fonts;
    EXPECT_EQ(columns.mid(1, 3).join(' '), "CID TrueType Identity-H") << fonts;
    EXPECT_EQ(columns[columns.size() - 5], "yes") << "embedded:\n" << fonts;
    EXPECT_EQ(columns[columns.size() - 4], "yes") << "named as a subset:\n" << fonts;
    EXPECT_EQ(columns[columns.size() - 3], "yes") << "with a Unicode map:\n" << fonts;
    // The year text's spaces copy as spaces: the Unicode map sends no glyph to a tab.
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const qsizetype map = bytes.indexOf("beginbfrange");
    ASSERT_GE(map, 0);
    EXPECT_FALSE(bytes.mid(map, bytes.indexOf("endcmap", map) - map).contains("<0009>"));
    // The whole face is several megabytes; only the glyphs in use are embedded.
    EXPECT_LT(QFile(pdf).size(), 100 * 1024);
}

TEST_F(PdfPage, AnchorCodesPlaceTheCharacterBoxAtThePoint) {
    // Each text is two full-width characters of width 8 and height 6: a 16 x 6 box.
    const char16_t* texts[9] = {u"一一", u"二二", u"三三", u"四四", u"五五", u"六六", u"七七", u"八八", u"九九"};
    const QString pdf = page("anchors.pdf", [&](auto& d) {
        for (int c = 0; c < 9; ++c) d.DrawText(60 + 40 * c, 100 + 10 * c, texts[c], kZero, 8, 6, 0, 0, 1, c);
    });
    const auto boxes = wordBoxes(pdf);
    for (int c = 0; c < 9; ++c) {
        const WordBox* b = find(boxes, QString::fromUtf16(texts[c]).toStdString());
        if (b == nullptr) continue;
        const double x = 60 + 40 * c, y = 100 + 10 * c;
        EXPECT_NEAR(b->right - b->left, 16.0, 0.2) << "anchor " << c;
        EXPECT_NEAR(b->top - b->bottom, 6.0, 0.2) << "anchor " << c;
        EXPECT_NEAR(b->left, x - (c % 3) * 8.0, 0.2) << "anchor " << c;
        EXPECT_NEAR(b->bottom, y - (c / 3) * 3.0, 0.2) << "anchor " << c;
    }
}

TEST_F(PdfPage, HalfWidthCharactersTakeHalfAWidthAndTheWidthStretches) {
    const QString pdf = page("widths.pdf", [](auto& d) {
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

TEST_F(PdfPage, LinesAreDarkWhereTheyRunAndPatternedAsAsked) {
    const QString pdf = page("lines.pdf", [](auto& d) {
        d.DrawLine(50, 135, 400, 135, 1, {}, {}, {});  // solid
        d.DrawLine(50, 100, 400, 100, 1, 1, {}, {});   // dashed
        d.DrawLine(50, 60, 400, 60, u"2", {}, {}, 1);  // red, as the daily step line
    });
    const int dpi = 100;
    const QImage image = renderedPage(pdf, dpi);
    ASSERT_FALSE(image.isNull());
    EXPECT_LT(darkestNear(image, dpi, 200, 135), 100);
    EXPECT_GT(darkestNear(image, dpi, 200, 140, 3), 250) << "paper stays white beside a line";

    int dark = 0, light = 0;
    for (double x = 60; x < 380; x += 0.25) (darkestNear(image, dpi, x, 100) < 100 ? dark : light)++;
    EXPECT_GT(dark, 200);
    EXPECT_GT(light, 200) << "a dashed line leaves gaps";

    const double perMm = dpi / 25.4;
    const QColor red = image.pixelColor(static_cast<int>(200 * perMm), static_cast<int>((297 - 60) * perMm));
    EXPECT_GT(red.red(), 150);
    EXPECT_LT(red.green(), 100);
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
    const QString pdf = dir_.filePath("a4.pdf");
    writeTo(*doc, pdf);

    const std::string info = runCommand("pdfinfo '" + pdf.toStdString() + "'").out;
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
    const QImage image = renderedPage(pdf, dpi);
    const QColor ink =
        image.pixelColor(static_cast<int>(105 * dpi / 25.4), static_cast<int>((297 - 98.5) * dpi / 25.4));
    EXPECT_LT(ink.red(), 80);
    EXPECT_EQ(ink.red(), ink.green());
}

TEST_F(PdfPage, TheSamePageGivesTheSameBytes) {
    const auto draw = [](auto& d) {
        d.DrawLine(50, 10, 50, 250, 0, {}, {}, {});
        d.DrawTitle(180, 268, u"日　流　量　年　図", kZero, 9, 9, 0, 0, {}, {});
    };
    const QString first = page("first.pdf", draw);
    // The writer stamps the time to the second; a later second must not show.
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    const QString second = page("second.pdf", draw);
    QFile a(first), b(second);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray bytes = a.readAll();
    EXPECT_EQ(bytes, b.readAll());
    EXPECT_TRUE(bytes.contains("/CreationDate (D:20000101000000"));
}

}  // namespace
}  // namespace tellvane::plotdoc::test
