#pragma once
// A picture as the raster output reads it: rows of 32-bit pixels 0x??RRGGBB (the
// top byte is ignored), as a toolkit's RGB32 image holds them.

#include <cstddef>
#include <cstdint>

namespace tellvane::raster {

struct PictureView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::size_t stride = 0;  ///< pixels from the start of one row to the next

    const std::uint32_t* row(int y) const { return pixels + static_cast<std::size_t>(y) * stride; }
};

/// A picture drawn into: the same rows, writable.
struct MutablePicture {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::size_t stride = 0;

    std::uint32_t* row(int y) const { return pixels + static_cast<std::size_t>(y) * stride; }
};

}  // namespace tellvane::raster
