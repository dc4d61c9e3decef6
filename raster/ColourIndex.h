#pragma once
// An RGB picture as at most 256 palette colours, for a small and fast PNG. A chart
// holds a few flat colours and the anti-aliased edges of its texts: when there are
// more than 256 colours, the most frequent ones are kept exactly and each rarer
// edge shade is replaced by the nearest kept colour.
//
// The palette: with at most 256 colours, every colour in order of first appearance
// (row by row); with more, the 256 most frequent in order of frequency, ties in
// order of appearance. A rarer colour takes the first nearest palette entry.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "raster/LargeBuffer.h"
#include "raster/Picture.h"

namespace tellvane::raster {

/// The indices are laid out as PNG scanlines: each row starts with its filter
/// byte (0, none), so the encoder compresses them in place.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> palette;  ///< 0xRRGGBB, at most 256 entries
    LargeBuffer<std::uint8_t> rows;      ///< height x (1 + width) bytes
    bool exact = true;                   ///< false when rare colours were replaced

    std::size_t rowBytes() const { return static_cast<std::size_t>(width) + 1; }
    std::size_t size() const { return rowBytes() * static_cast<std::size_t>(height); }
    std::uint8_t index(int x, int y) const { return rows[static_cast<std::size_t>(y) * rowBytes() + 1 + x]; }
};

/// How the pixels are compared: the same result on every path, at different speeds.
enum class IndexingPath { Portable, Avx2, Avx512 };

/// The paths this processor can run, Portable first.
std::vector<IndexingPath> availablePaths();

/// The picture by palette index on the fastest path this processor runs.
IndexedImage indexColours(const PictureView& picture);
/// The same on a chosen path, which must be one of availablePaths().
IndexedImage indexColours(const PictureView& picture, IndexingPath path);

}  // namespace tellvane::raster
