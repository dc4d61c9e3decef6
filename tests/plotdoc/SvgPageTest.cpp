// SVG pages: well-formed XML holding the texts as text.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "tests/plotdoc/PlotDocTesting.h"

namespace tellvane::plotdoc::test {
namespace {

const ReservedWords kZero{};

QByteArray svgPage(const QString& path) {
    auto doc = startedDocument();
    doc->DrawLine(50, 10, 50, 250, 0, {}, {}, {});
    doc->DrawLine(50, 100, 400, 100, u"", 1, 1, 1);
    doc->DrawTitle(180, 268, u"日　水　位　年　図", kZero, 9, 9, 0, 0, {}, {});
    doc->DrawText(63.5, 266, u"301011281104010", kZero, 4, 4, 0, 0, {}, 1);
    writeTo(*doc, path);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SvgPage, ParsesAsXmlAndHoldsTheTitleAndSheetSize) {
    QTemporaryDir dir;
    const QByteArray svg = svgPage(dir.filePath("page.svg"));
    ASSERT_FALSE(svg.isEmpty());
    EXPECT_FALSE(svg.startsWith("%PDF"));

    QXmlStreamReader xml(svg);
    QStringList texts;
    QString title, width, height;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("svg")) {
            width = xml.attributes().value("width").toString();
            height = xml.attributes().value("height").toString();
        } else if (xml.name() == QLatin1String("title")) {
            title = xml.readElementText();
        } else if (xml.name() == QLatin1String("text")) {
            texts << xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(width, "420mm");
    EXPECT_EQ(height, "297mm");
    EXPECT_EQ(title, QString::fromUtf16(u"日　水　位　年　図"));
    EXPECT_TRUE(texts.contains(QString::fromUtf16(u"日　水　位　年　図"))) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("301011281104010"));
}

TEST(SvgPage, TheSamePageGivesTheSameBytes) {
    QTemporaryDir dir;
    EXPECT_EQ(svgPage(dir.filePath("a.svg")), svgPage(dir.filePath("b.SVG")));
}

}  // namespace
}  // namespace tellvane::plotdoc::test
