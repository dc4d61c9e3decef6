#pragma once
// An RGB image as at most 256 palette colours, for a small and fast PNG. A chart
// holds a few flat colours and the anti-aliased edges of its texts: when there are
// more than 256 colours, the most frequent ones are kept exactly and each rarer
// edge shade is replaced by the nearest kept colour.

#include <QImage>
#include <cstdint>
#include <vector>

namespace tellvane {

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> palette;  ///< 0xRRGGBB, at most 256 entries
    std::vector<std::uint8_t> pixels;    ///< width x height indices, row by row
    bool exact = true;                   ///< false when rare colours were replaced
};

/// The image (any format; converted to RGB32 when it is not) by palette index.
IndexedImage indexColours(const QImage& image);

}  // namespace tellvane
