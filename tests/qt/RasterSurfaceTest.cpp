#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "common/Error.h"
#include "platform/Palette.h"
#include "qt/RasterSurface.h"
#include "tests/qt/Pixels.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileSizeLimit.h"

namespace tellvane {
namespace {

using test::countRgb;
using test::errorOf;
using test::inkBounds;
using test::isPalette;
using test::rgbAt;

constexpr std::uint32_t kWhite = 0xFFFFFF;

struct Corners {
    float x1, y1, x2, y2;
};

// The four orders in which the same two corners can be given.
std::vector<Corners> orders(float l, float t, float r, float b) {
    return {{l, t, r, b}, {r, b, l, t}, {r, t, l, b}, {l, b, r, t}};
}

TEST(RasterSurface, StartsWhiteAtTheGivenSize) {
    RasterSurface s(QSize(120, 80));
    EXPECT_EQ(s.scaleWidth(), 120);
    EXPECT_EQ(s.scaleHeight(), 80);
    EXPECT_EQ(s.outerWidth(), 1800);  // 15 twips to the pixel at 96 DPI
    EXPECT_EQ(countRgb(s.image(), s.image().rect(), kWhite), 120 * 80);
}

TEST(RasterSurface, SizesInTwipsFollowTheResolution) {
    struct Case {
        double dpi;
        float widthTwips, heightTwips;
        int width, height;
    };
    for (const Case& c : {Case{96, 6000, 4500, 400, 300}, Case{192, 6000, 4500, 800, 600},
                          Case{120, 1440, 720, 120, 60}, Case{96, 7, 8, 0, 1}}) {
        RasterSurface s(QSize(10, 10), c.dpi);
        s.setWidth(c.widthTwips);
        s.setHeight(c.heightTwips);
        EXPECT_EQ(s.scaleWidth(), c.width) << c.dpi << " " << c.widthTwips;
        EXPECT_EQ(s.scaleHeight(), c.height) << c.dpi << " " << c.heightTwips;
        if (c.width > 0 && c.height > 0) {
            EXPECT_EQ(s.image().size(), QSize(c.width, c.height));
        }
    }
}

TEST(RasterSurface, PlacementIsInTwipsAndReported) {
    RasterSurface s(QSize(10, 10));
    int placed = 0;
    s.onPlaced([&] { ++placed; });
    s.setLeft(150);
    s.setTop(300);
    s.setWidth(600);
    EXPECT_EQ(s.placement(), QRect(10, 20, 40, 10));
    EXPECT_EQ(placed, 3);
}

TEST(RasterSurface, RefusesNegativeSizesAndWidthsButTakesZero) {
    RasterSurface s(QSize(10, 10));
    EXPECT_EQ(errorOf([&] { s.setWidth(-15); }), kInvalidPropertyValue);
    EXPECT_EQ(errorOf([&] { s.setHeight(-15); }), kInvalidPropertyValue);
    EXPECT_EQ(errorOf([&] { s.setLineWidth(0); }), kInvalidPropertyValue);
    EXPECT_EQ(errorOf([&] { s.setFontSize(0); }), kInvalidPropertyValue);
    EXPECT_EQ(s.image().size(), QSize(10, 10));

    s.setWidth(0);
    EXPECT_EQ(s.scaleWidth(), 0);
    // Drawing on a surface without area does nothing and fails nothing.
    EXPECT_EQ(errorOf([&] {
                  s.clear();
                  s.line(0, 0, 5, 5, kGrey);
                  s.fillBox(0, 0, 5, 5, kGrey);
                  s.setTextPos(1, 1);
                  s.print(u"水位");
              }),
              0);
}

TEST(RasterSurface, GrowingKeepsThePictureAndFillsTheRestWithTheBackground) {
    RasterSurface s(QSize(20, 20));
    s.fillBox(0, 0, 19, 19, kLightRed);
    s.setBackground(paletteRgb(kGreen));
    s.setWidth(40 * 15);
    EXPECT_TRUE(isPalette(s.image(), 19, 19, kLightRed));
    EXPECT_TRUE(isPalette(s.image(), 20, 19, kGreen));
    EXPECT_TRUE(isPalette(s.image(), 39, 0, kGreen));
}

TEST(RasterSurface, DrawingStaysUntilClearedToTheBackground) {
    RasterSurface s(QSize(50, 50));
    int drawn = 0;
    s.onDrawn([&] { ++drawn; });
    s.fillBox(10, 10, 20, 20, kLightRed);
    s.setBackground(paletteRgb(kBrightWhite) & 0xF0F0F0);
    s.line(0, 0, 49, 0, kGreen);
    EXPECT_TRUE(isPalette(s.image(), 15, 15, kLightRed));  // still there, background not yet used
    s.clear();
    EXPECT_EQ(countRgb(s.image(), s.image().rect(), 0xF0F0F0), 50 * 50);
    EXPECT_EQ(drawn, 3);
}

TEST(RasterSurface, PaletteIndicesGiveTheChartColours) {
    const std::vector<std::pair<int, std::uint32_t>> colours = {
        {2, 0x008000}, {5, 0x800080}, {8, 0x808080}, {12, 0xFF0000}, {13, 0xFF00FF}, {15, 0xFFFFFF}, {0, 0x000000}};
    for (const auto& [palette, rgb] : colours) {
        RasterSurface s(QSize(10, 10));
        s.fillBox(2, 2, 6, 6, palette);
        EXPECT_EQ(rgbAt(s.image(), 4, 4), rgb) << palette;
    }
}

TEST(RasterSurface, FilledBoxCoversBothCornersInAnyOrder) {
    for (const Corners& c : orders(3, 4, 9, 7)) {
        RasterSurface s(QSize(20, 20));
        s.fillBox(c.x1, c.y1, c.x2, c.y2, kLightRed);
        EXPECT_EQ(countRgb(s.image(), s.image().rect(), paletteRgb(kLightRed)), 7 * 4);
        EXPECT_EQ(inkBounds(s.image(), s.image().rect(), kWhite), QRect(QPoint(3, 4), QPoint(9, 7)));
    }
}

TEST(RasterSurface, BoxOutlinePassesThroughBothCornersInAnyOrder) {
    for (const Corners& c : orders(3, 4, 9, 8)) {
        RasterSurface s(QSize(20, 20));
        s.box(c.x1, c.y1, c.x2, c.y2, kGrey);
        const QImage& img = s.image();
        EXPECT_EQ(inkBounds(img, img.rect(), kWhite), QRect(QPoint(3, 4), QPoint(9, 8)));
        EXPECT_TRUE(isPalette(img, 3, 4, kGrey) && isPalette(img, 9, 8, kGrey) && isPalette(img, 9, 4, kGrey) &&
                    isPalette(img, 3, 8, kGrey));
        EXPECT_EQ(countRgb(img, QRect(QPoint(4, 5), QPoint(8, 7)), kWhite), 5 * 3);  // hollow
    }
}

TEST(RasterSurface, WideLinesAndBoxesAreTwoPixelsThick) {
    RasterSurface s(QSize(40, 40));
    s.setLineWidth(2);
    s.line(5, 10, 30, 10, kGrey);
    s.box(5, 20, 30, 35, kGrey);
    const QImage& img = s.image();
    int rowsOfLine = 0;
    for (int y = 6; y <= 14; ++y) rowsOfLine += isPalette(img, 15, y, kGrey);
    EXPECT_EQ(rowsOfLine, 2);
    int columnsOfLeftEdge = 0;
    for (int x = 1; x <= 9; ++x) columnsOfLeftEdge += isPalette(img, x, 28, kGrey);
    EXPECT_EQ(columnsOfLeftEdge, 2);
    EXPECT_TRUE(isPalette(img, 5, 20, kGrey) && isPalette(img, 30, 35, kGrey));
}

TEST(RasterSurface, LinesAreCrispAndCoverBothEnds) {
    RasterSurface s(QSize(40, 40));
    s.line(2.4f, 3.6f, 30.2f, 17.5f, kMagenta);
    const QImage& img = s.image();
    EXPECT_EQ(countRgb(img, img.rect(), kWhite) + countRgb(img, img.rect(), paletteRgb(kMagenta)), 40 * 40);
    EXPECT_TRUE(isPalette(img, 2, 4, kMagenta));
    EXPECT_TRUE(isPalette(img, 30, 18, kMagenta));
}

TEST(RasterSurface, DottedLinesAlternatePixelByPixel) {
    RasterSurface s(QSize(40, 40));
    s.setLineStyle(LineStyle::Dotted);
    s.line(5, 10, 35, 10, kGrey);
    s.line(20, 15, 20, 35, kGrey);
    const QImage& img = s.image();
    for (int x = 5; x <= 35; ++x) EXPECT_EQ(isPalette(img, x, 10, kGrey), (x - 5) % 2 == 0) << x;
    for (int y = 15; y <= 35; ++y) EXPECT_EQ(isPalette(img, 20, y, kGrey), (y - 15) % 2 == 0) << y;

    // A wider pen is always solid, and solid is solid again after dots.
    s.setLineWidth(2);
    s.line(5, 30, 15, 30, kGrey);
    s.setLineWidth(1);
    s.setLineStyle(LineStyle::Solid);
    s.line(5, 36, 15, 36, kGrey);
    EXPECT_EQ(countRgb(img, QRect(5, 30, 11, 1), paletteRgb(kGrey)), 11);
    EXPECT_EQ(countRgb(img, QRect(5, 36, 11, 1), paletteRgb(kGrey)), 11);
}

TEST(RasterSurface, TextHangsFromTheTextPositionWithoutBackground) {
    RasterSurface s(QSize(200, 60));
    s.fillBox(0, 0, 199, 59, kLightRed);
    s.setTextColor(kMagenta);
    s.setTextPos(40, 20);
    s.print(u"日水位年図 0.00");
    const QImage& img = s.image();
    const QRect ink = inkBounds(img, img.rect(), paletteRgb(kLightRed));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 40);
    EXPECT_LE(ink.left(), 42);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LE(ink.top(), 24);
    EXPECT_GT(countRgb(img, ink, paletteRgb(kMagenta)), 0);
    EXPECT_EQ(countRgb(img, img.rect(), kWhite), 0);  // nothing blanked behind the glyphs
}

TEST(RasterSurface, TextIsAntiAliased) {
    RasterSurface s(QSize(200, 40));
    s.setTextColor(kMagenta);
    s.setTextPos(5, 5);
    s.print(u"観測所名 ： 茂志利");
    const QImage& img = s.image();
    const QRect ink = inkBounds(img, img.rect(), kWhite);
    const int full = countRgb(img, ink, paletteRgb(kMagenta)), blank = countRgb(img, ink, kWhite);
    EXPECT_GT(ink.width() * ink.height() - full - blank, 0);  // edge shades in between
}

// Ink height of one tall character, in pixels.
int inkHeight(double dpi, float points, bool bold = false, int* inkPixels = nullptr) {
    RasterSurface s(QSize(200, 200), dpi);
    s.setFontSize(points);
    s.setFontBold(bold);
    s.setTextPos(10, 10);
    s.print(u"｜");
    const QImage& img = s.image();
    if (inkPixels) *inkPixels = img.width() * img.height() - countRgb(img, img.rect(), kWhite);
    return inkBounds(img, img.rect(), kWhite).height();
}

TEST(RasterSurface, FontSizesAreInPointsAtTheSurfacesResolution) {
    const int at10 = inkHeight(96, 10), at16 = inkHeight(96, 16), at10Double = inkHeight(192, 10);
    ASSERT_GT(at10, 5);
    EXPECT_NEAR(at16, at10 * 1.6, 2.5);
    EXPECT_NEAR(at10Double, at10 * 2.0, 2.5);
    int regular = 0, bold = 0;
    inkHeight(96, 16, false, &regular);
    inkHeight(96, 16, true, &bold);
    EXPECT_GT(bold, regular);
}

TEST(RasterSurface, ClearPutsTheTextPositionAtTheOrigin) {
    RasterSurface s(QSize(200, 60));
    s.setTextPos(100, 40);
    s.clear();
    s.print(u"水");
    const QRect ink = inkBounds(s.image(), s.image().rect(), kWhite);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.left(), 5);
    EXPECT_LT(ink.top(), 8);
}

TEST(RasterSurface, SavesAPngThatReadsBackPixelForPixel) {
    RasterSurface s(QSize(64, 48));
    s.fillBox(5, 5, 30, 40, kLightRed);
    s.setLineStyle(LineStyle::Dotted);
    s.line(0, 20, 63, 20, kGrey);
    s.setTextColor(kMagenta);
    s.setTextPos(2, 2);
    s.print(u"水位");
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("chart.png")).toStdString();
    s.savePng(path);
    QImage back(QString::fromStdString(path));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), s.image());
}

TEST(RasterSurface, SavingWhereNoFileCanBeFails) {
    RasterSurface s(QSize(8, 8));
    EXPECT_EQ(errorOf([&] { s.savePng("/nonexistent-directory/chart.png"); }), kFileAccess);
    RasterSurface empty;
    EXPECT_EQ(errorOf([&] { empty.savePng("/tmp/never-written.png"); }), kFileAccess);
}

TEST(RasterSurface, AFailedSaveKeepsTheEarlierPictureWhole) {
    RasterSurface s(QSize(300, 200));
    s.setTextPos(10, 10);
    s.print(u"日水位年図");
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("chart.png")).toStdString();
    s.savePng(path);
    const QImage earlier(QString::fromStdString(path));
    ASSERT_FALSE(earlier.isNull());

    s.fillBox(0, 0, 299, 199, kLightRed);
    {
        const test::FileSizeLimit fullDisk(100);  // the PNG is larger
        EXPECT_EQ(errorOf([&] { s.savePng(path); }), kFileAccess);
    }
    EXPECT_EQ(QImage(QString::fromStdString(path)), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"chart.png"});  // no part file left
}

}  // namespace
}  // namespace tellvane
