#include <gtest/gtest.h>

#include <QByteArrayList>
#include <QRegularExpression>

#include "plotdoc/StablePdf.h"

namespace tellvane::plotdoc::test {
namespace {

// A small PDF as the writer gives one: a creation date in the zone given, a subset
// font whose base name lacks its tag, a Unicode map that sends the space glyph to a
// tab, the cross-reference table and the trailer with the writer's identifier.
QByteArray writerPdf(const QByteArray& zone, const QByteArray& id = "0123456789abcdef0123456789ABCDEF",
                     const QByteArray& page = "BT (page one) Tj ET") {
    const QByteArrayList objects = {
        "<<\n/Producer (writer)\n/CreationDate (D:20261208004110" + zone + ")\n>>",
        "<< /Type /Font /Subtype /Type0 /BaseFont /IPAGothic /DescendantFonts [3 0 R] /ToUnicode 5 0 R >>",
        "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /IPAGothic /FontDescriptor 4 0 R >>",
        "<< /Type /FontDescriptor /FontName /QMAAAA+IPAGothic >>",
        "<< /Length 140 >>\nstream\nbegincmap\n1 beginbfchar\n<0009> <0009>\nendbfchar\n2 beginbfrange\n"
        "<0001> <0002> [<0031> <0009>]\n<0003> <0003> <0009>\nendbfrange\nendcmap\nendstream",
        "<< /Length " + QByteArray::number(page.size()) + " >>\nstream\n" + page + "\nendstream",
    };
    QByteArray pdf = "%PDF-1.4\n";
    QByteArrayList offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(QByteArray::number(pdf.size()).rightJustified(10, '0'));
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const QByteArray& offset : offsets) pdf += offset + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Info 1 0 R /ID [<" + id + "> <" + id +
           ">] >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

// Every offset of the cross-reference table, and the one after startxref, lands
// where it says.
void expectOffsetsHold(const QByteArray& pdf) {
    const auto startxref = QRegularExpression("startxref\\s+(\\d+)").match(QString::fromLatin1(pdf));
    ASSERT_TRUE(startxref.hasMatch());
    const qsizetype xref = startxref.captured(1).toLongLong();
    ASSERT_EQ(pdf.mid(xref, 4), "xref");
    auto entries = QRegularExpression("(\\d{10}) 00000 n").globalMatch(QString::fromLatin1(pdf.mid(xref)));
    int object = 0;
    while (entries.hasNext()) {
        const qsizetype offset = entries.next().captured(1).toLongLong();
        EXPECT_EQ(pdf.mid(offset, 7), QByteArray::number(++object) + " 0 obj") << offset;
    }
    EXPECT_EQ(object, 6);
}

TEST(StablePdf, TheSamePageGivesTheSameBytesInEveryTimeZone) {
    const QByteArray utc = stablePdf(writerPdf("Z"));
    for (const QByteArray zone : {"+09'00'", "-05'00'", "+00'00'"})
        EXPECT_EQ(stablePdf(writerPdf(zone)), utc) << zone.constData();
    EXPECT_TRUE(utc.contains("/CreationDate (D:20000101000000Z)"));
    expectOffsetsHold(utc);
    expectOffsetsHold(stablePdf(writerPdf("+09'00'")));
}

TEST(StablePdf, TheIdentifierComesFromThePageNotTheWriter) {
    const QByteArray stable = stablePdf(writerPdf("Z"));
    EXPECT_FALSE(stable.contains("0123456789abcdef"));
    EXPECT_EQ(stablePdf(writerPdf("Z", "00000000000000ff00000000000000FF")), stable);
    EXPECT_NE(stablePdf(writerPdf("Z", "0123456789abcdef0123456789ABCDEF", "BT (page two) Tj ET")).right(90),
              stable.right(90));
}

TEST(StablePdf, SubsetFontsAreNamedAsSubsetsAndTheSpaceGlyphReadsAsASpace) {
    const QByteArray stable = stablePdf(writerPdf("Z"));
    EXPECT_EQ(stable.count("/BaseFont /QMAAAA+IPAGothic"), 2);
    EXPECT_FALSE(stable.contains("/BaseFont /IPAGothic"));
    // Only the Unicode values change; a glyph code that happens to be 9 stays.
    EXPECT_TRUE(stable.contains("<0009> <0020>\nendbfchar")) << stable.constData();
    EXPECT_TRUE(stable.contains("[<0031> <0020>]"));
    EXPECT_TRUE(stable.contains("<0003> <0003> <0020>"));
}

}  // namespace
}  // namespace tellvane::plotdoc::test
