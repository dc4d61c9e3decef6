#include <gtest/gtest.h>
#include <QImage>

#include <random>

#include "qt/ColourIndex.h"

namespace tellvane {
namespace {

std::uint32_t rgbOf(const IndexedImage& indexed, int x, int y) {
    return indexed.palette.at(indexed.pixels.at(static_cast<std::size_t>(y * indexed.width + x)));
}

TEST(ColourIndex, FewColoursAreKeptExactly) {
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(0xFFFFFFu);
    for (int x = 0; x < 30; ++x) image.setPixel(x, 5, 0xFF000000u | static_cast<std::uint32_t>(x * 0x010203));
    const IndexedImage indexed = indexColours(image);
    EXPECT_TRUE(indexed.exact);
    EXPECT_EQ(indexed.palette.size(), 31u);  // white and the row's 30
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) EXPECT_EQ(rgbOf(indexed, x, y), image.pixel(x, y) & 0xFFFFFFu);
}

TEST(ColourIndex, RunsOfAnyLengthAtAnyPositionAndWidth) {
    // Runs are found several pixels at a time: every length, every start within a
    // group of pixels, and widths that leave a ragged end must come out exact.
    std::mt19937 random(11);
    std::uniform_int_distribution<int> runLength(1, 9), colour(0, 2);
    const std::uint32_t colours[] = {0xFFFFFFu, 0x000000u, 0x0000FFu};
    for (int width = 1; width <= 13; ++width) {
        QImage image(width, 40, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < width;) {
                const std::uint32_t c = colours[colour(random)];
                for (int end = std::min(width, x + runLength(random)); x < end; ++x)
                    image.setPixel(x, y, 0xFF000000u | c);
            }
        const IndexedImage indexed = indexColours(image);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(rgbOf(indexed, x, y), image.pixel(x, y) & 0xFFFFFFu) << width << " " << x << "," << y;
    }
}

TEST(ColourIndex, ManyColoursKeepTheFrequentOnesAndMapTheRestToTheNearest) {
    // 255 frequent colours in full rows, and in the last row 255 rare shades of a
    // red that none of the rows has.
    QImage image(512, 300, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 512; ++x) image.setPixel(x, y, 0xFF000000u | static_cast<std::uint32_t>((y % 255) << 16));
    for (int x = 0; x < 255; ++x) image.setPixel(x, 299, 0xFF800000u | static_cast<std::uint32_t>(x + 1));
    const IndexedImage indexed = indexColours(image);
    EXPECT_FALSE(indexed.exact);
    EXPECT_EQ(indexed.palette.size(), 256u);
    for (int y = 0; y < 299; ++y) EXPECT_EQ(rgbOf(indexed, 300, y), static_cast<std::uint32_t>((y % 255) << 16));
    // One shade got the last place; the others are nearer to it than to any row.
    for (int x = 0; x < 255; ++x) EXPECT_EQ(rgbOf(indexed, x, 299) & 0xFFFF00u, 0x800000u) << x;
}

}  // namespace
}  // namespace tellvane
