// The sample year's plotted page through the page writer, against the picture the
// earlier Qt-based plot document gave of the same page (rendered with pdftoppm at
// 100 dpi, reviewed, kept under data/), and read back by qpdf and the poppler tools.
#include <gtest/gtest.h>
#include <spng.h>

#include <cstdio>
#include <memory>

#include "pagewriter/PageDocument.h"
#include "tests/pagewriter/PageTesting.h"
#include "tests/pagewriter/SamplePage.h"

namespace tellvane::pagewriter::test {
namespace {

Picture decodedPng(const std::string& bytes) {
    std::unique_ptr<spng_ctx, void (*)(spng_ctx*)> ctx(spng_ctx_new(0), spng_ctx_free);
    spng_ihdr header{};
    std::size_t size = 0;
    if (spng_set_png_buffer(ctx.get(), bytes.data(), bytes.size()) != 0 || spng_get_ihdr(ctx.get(), &header) != 0 ||
        spng_decoded_image_size(ctx.get(), SPNG_FMT_RGB8, &size) != 0)
        return {};
    Picture p;
    p.width = static_cast<int>(header.width);
    p.height = static_cast<int>(header.height);
    p.rgb.resize(size);
    if (spng_decode_image(ctx.get(), p.rgb.data(), size, SPNG_FMT_RGB8, 0) != 0) return {};
    return p;
}

class SamplePage : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new TemporaryDirectory;
        PageDocumentFactory documents;
        pdf_ = new std::string(writeSamplePage(documents, dir_->path()));
    }
    static void TearDownTestSuite() {
        delete pdf_;
        delete dir_;
    }
    static TemporaryDirectory* dir_;
    static std::string* pdf_;
};
TemporaryDirectory* SamplePage::dir_ = nullptr;
std::string* SamplePage::pdf_ = nullptr;

TEST_F(SamplePage, LooksAsTheEarlierComponentsPageAt100Dpi) {
    const Picture reference = decodedPng(contents(TELLVANE_PAGEWRITER_DATA "/sample-page-100dpi.png"));
    const Picture page = renderedPage(*pdf_, 100);
    ASSERT_FALSE(reference.empty());
    ASSERT_EQ(page.width, reference.width);
    ASSERT_EQ(page.height, reference.height);
    // The earlier component re-encoded each glyph's outline and moved some points by
    // a unit of the face; the smoothing of those glyphs' edges differs, mostly by one
    // level of 255 (0.08 % of the pixels), a rounding. A pixel counts as different
    // beyond that; a few dozen differ by more than 8 levels.
    std::size_t differing = 0, touched = 0;
    for (std::size_t i = 0; i < page.rgb.size(); i += 3) {
        int most = 0;
        for (std::size_t c = 0; c < 3; ++c) most = std::max(most, std::abs(page.rgb[i + c] - reference.rgb[i + c]));
        differing += most > 1;
        touched += most > 0;
    }
    const std::size_t pixels = page.rgb.size() / 3;
    EXPECT_LE(differing, pixels / 1000) << differing << " of " << pixels << " pixels differ";
    EXPECT_LE(touched, pixels / 400) << touched << " of " << pixels << " pixels differ at all";
}

TEST_F(SamplePage, IsAValidPdfWithOneEmbeddedSubsetFontAndAUnicodeMap) {
    const CommandResult check = runCommand("qpdf --check '" + *pdf_ + "' 2>&1");
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_NE(check.out.find("No syntax or stream encoding errors found"), std::string::npos) << check.out;
    const auto fonts = pdfFonts(*pdf_);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_NE(fonts[0].find("+IPAGothic"), std::string::npos) << fonts[0];
    EXPECT_NE(fonts[0].find("CID TrueType      Identity-H       yes yes yes"), std::string::npos) << fonts[0];
}

TEST_F(SamplePage, EveryCaptionAndValueCanBeFound) {
    const std::string text = pdfText(*pdf_);
    for (const char* expected :
         {"日 水 位 年 図", "令和 7 年（西暦 2025 年）", "水系名 久慈川 河川名 久慈川 観測所名 額田",
          "種別 観 測 所 番 号", "303011283322030", "水位位況", "最大水位 ０．６４", "豊 水 位 －０．８２",
          "平 水 位 －０．９３", "低 水 位 －０．９９", "渇 水 位 －１．０４", "最小水位 －１．０５",
          "年平均水位 －０．８７", "１月 ２月 ３月 ４月 ５月 ６月 ７月 ８月 ９月 １０月 １１月 １２月",
          "-1.50\n-0.50\n0.50\n1.50\n2.50", "10 20 10 20", "↑\n水\n位"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
}

TEST_F(SamplePage, TheSameYearGivesTheSameBytes) {
    TemporaryDirectory again;
    PageDocumentFactory documents;
    EXPECT_EQ(contents(writeSamplePage(documents, again.path())), contents(*pdf_));
}

}  // namespace
}  // namespace tellvane::pagewriter::test
