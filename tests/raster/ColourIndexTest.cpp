#include <gtest/gtest.h>

#include <random>
#include <string>

#include "raster/ColourIndex.h"
#include "tests/support/PngReference.h"

namespace tellvane::raster {
namespace {

using test::OwnedPicture;

std::string nameOf(IndexingPath path) {
    switch (path) {
        case IndexingPath::Portable:
            return "portable";
        case IndexingPath::Avx2:
            return "AVX2";
        case IndexingPath::Avx512:
            return "AVX-512";
    }
    return "?";
}

// The palette and every index the same as the reference's.
void expectAsReference(const OwnedPicture& picture, IndexingPath path, const std::string& what) {
    const test::ReferenceIndexed reference = test::referenceIndex(picture.view());
    const IndexedImage indexed = indexColours(picture.view(), path);
    ASSERT_EQ(indexed.palette, reference.palette) << what << " on the " << nameOf(path) << " path";
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            ASSERT_EQ(indexed.index(x, y), reference.pixels[static_cast<std::size_t>(y) * picture.width + x])
                << what << " on the " << nameOf(path) << " path at " << x << "," << y;
    for (int y = 0; y < picture.height; ++y) ASSERT_EQ(indexed.rows[y * indexed.rowBytes()], 0) << "filter byte";
    bool everyPixelKept = true;
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        everyPixelKept &= reference.palette[reference.pixels[i]] == (picture.pixels[i] & 0xFFFFFF);
    EXPECT_EQ(indexed.exact, everyPixelKept) << what;
}

TEST(ColourIndex, EveryPathGivesTheReferencePaletteAndIndices) {
    struct Case {
        const char* what;
        int width, height, rare;
    };
    // Widths around the vector lengths (8, 16, 32 pixels) leave every kind of
    // ragged row end; 40 rare shades stay under 256 colours, 400 go over.
    const Case cases[] = {
        {"one pixel", 1, 1, 0},      {"narrow", 7, 30, 3},          {"vector wide", 16, 20, 10},
        {"ragged", 33, 25, 40},      {"ragged wide", 47, 31, 40},   {"few colours", 200, 100, 0},
        {"over 256", 300, 200, 400}, {"chart size", 1024, 96, 400},
    };
    std::mt19937 random(13);
    for (const Case& c : cases) {
        const OwnedPicture picture = test::randomPicture(random, c.width, c.height, c.rare);
        for (IndexingPath path : availablePaths()) expectAsReference(picture, path, c.what);
    }
}

TEST(ColourIndex, ColoursOnlyInRowsTheSampleSkipsAreCountedToo) {
    // The frequent colours are guessed from a sample of rows; a colour that fills
    // the unsampled rows must still come out with its true count and place.
    OwnedPicture picture{64, 400, std::vector<std::uint32_t>(64 * 400, 0xFFFFFF)};
    for (int y = 1; y < 400; y += 2)
        for (int x = 0; x < 64; ++x) picture.at(x, y) = 0x123456;
    for (int x = 0; x < 64; ++x) picture.at(x, 399) = 0x00FF00u + static_cast<std::uint32_t>(x);
    for (IndexingPath path : availablePaths()) expectAsReference(picture, path, "striped");
}

TEST(ColourIndex, FewColoursAreKeptExactly) {
    std::mt19937 random(5);
    const OwnedPicture picture = test::randomPicture(random, 100, 60, 50);
    for (IndexingPath path : availablePaths()) {
        const IndexedImage indexed = indexColours(picture.view(), path);
        EXPECT_TRUE(indexed.exact);
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                ASSERT_EQ(indexed.palette.at(indexed.index(x, y)), picture.pixels[y * 100 + x] & 0xFFFFFFu);
    }
}

TEST(ColourIndex, ManyColoursKeepTheFrequentOnesAndMapTheRestToTheNearest) {
    // 255 frequent colours in full rows, and in the last row 255 rare shades of a
    // red that none of the rows has.
    OwnedPicture picture{512, 300, std::vector<std::uint32_t>(512 * 300)};
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 512; ++x) picture.at(x, y) = static_cast<std::uint32_t>((y % 255) << 16);
    for (int x = 0; x < 255; ++x) picture.at(x, 299) = 0x800000u | static_cast<std::uint32_t>(x + 1);
    for (IndexingPath path : availablePaths()) {
        const IndexedImage indexed = indexColours(picture.view(), path);
        EXPECT_FALSE(indexed.exact);
        ASSERT_EQ(indexed.palette.size(), 256u);
        for (int y = 0; y < 299; ++y)
            EXPECT_EQ(indexed.palette[indexed.index(300, y)], static_cast<std::uint32_t>((y % 255) << 16));
        // One shade got the last place; the others are nearer to it than to any row.
        for (int x = 0; x < 255; ++x) EXPECT_EQ(indexed.palette[indexed.index(x, 299)] & 0xFFFF00u, 0x800000u) << x;
    }
}

}  // namespace
}  // namespace tellvane::raster
