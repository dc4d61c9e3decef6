#pragma once
// An RGB image as palette indices, for a small and fast PNG: a picture of flat
// colours (a chart without text, or with few text shades) fits 256 entries.

#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

namespace tellvane {

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> palette;  ///< 0xRRGGBB in order of appearance, at most 256 entries
    std::vector<std::uint8_t> pixels;    ///< width x height indices, row by row
};

/// The image (any format; converted to RGB32 when it is not) by palette index, or
/// nullopt when it holds more than 256 colours.
std::optional<IndexedImage> paletteImage(const QImage& image);

}  // namespace tellvane
