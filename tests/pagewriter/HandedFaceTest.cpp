// A face handed over as bytes, as the browser host hands it: the same pages as
// the face's file, SVG chosen by the host whatever the file's name, and bytes that
// hold no face refused at close, naming them, with nothing written.
#include <gtest/gtest.h>

#include "common/Error.h"
#include "common/Text.h"
#include "pagewriter/PageErrors.h"
#include "tests/pagewriter/PageTesting.h"

namespace tellvane::pagewriter::test {
namespace {

const ReservedWords kZero{};

void draw(PlotDocument& doc) {
    doc.DrawLine(50, 10, 400, 250, 0, {}, {}, {});
    doc.DrawTitle(180, 268, u"日　水　位　年　図", kZero, 9, 9, 0, 0, {}, {});
    doc.DrawText(20, 20, u"最大水位 ０．６４ m3/s", kZero, 4, 4, 0, 2, {}, {});
}

PageWriterOptions handed(std::string bytes, bool svg = false) {
    PageWriterOptions options;
    options.typefaces = {{"IPAGothic", {"fonts/ipag.ttf"}, std::make_shared<const std::string>(std::move(bytes))}};
    options.background = false;
    options.svg = svg;
    return options;
}

// The page drawn with the options and written to the path; its bytes.
std::string written(const PageWriterOptions& options, const std::string& path) {
    auto doc = startedDocument(options);
    draw(*doc);
    writeTo(*doc, path);
    return contents(path);
}

TEST(HandedFace, WritesThePagesItsFileWrites) {
    const std::string file = existingFile(defaultTypefaces().front());
    ASSERT_FALSE(file.empty()) << "IPA Gothic is not installed";
    const TemporaryDirectory dir;
    const PageWriterOptions fromBytes = handed(contents(file));
    for (const auto& [name, opening] : {std::pair{"page.pdf", "%PDF-"}, std::pair{"page.svg", "<?xml"}}) {
        const std::string fromFile = written({}, dir.file(std::string("file-") + name));
        EXPECT_TRUE(fromFile.starts_with(opening)) << name;
        EXPECT_EQ(written(fromBytes, dir.file(std::string("bytes-") + name)), fromFile) << name;
    }
}

TEST(HandedFace, TheHostsChoiceOfSvgOutweighsTheName) {
    const TemporaryDirectory dir;
    const std::string face = contents(existingFile(defaultTypefaces().front()));
    EXPECT_TRUE(written(handed(face), dir.file("M_g_l.kvd")).starts_with("%PDF-"));
    const std::string svg = written(handed(face, true), dir.file("M_g_l.kvd"));
    EXPECT_EQ(svg, written(handed(face), dir.file("page.svg")));
}

TEST(HandedFace, BytesWithoutAFaceFailAtCloseNamingThemAndWriteNothing) {
    const TemporaryDirectory dir;
    for (const std::string bytes : {"", "<!DOCTYPE html><p>not found</p>"}) {
        auto doc = startedDocument(handed(bytes));
        draw(*doc);
        doc->OutputToFile(u16(dir.file("page.pdf")));
        try {
            doc->CloseDocument();
            ADD_FAILURE() << "closed without a face";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), kOutputFailed);
            EXPECT_NE(e.description().find("fonts/ipag.ttf"), std::string::npos) << e.description();
        }
        EXPECT_TRUE(dir.entries().empty());
    }
}

}  // namespace
}  // namespace tellvane::pagewriter::test
