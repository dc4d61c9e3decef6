#include "raster/ColourCodes.h"

namespace tellvane::raster {

void codePortable(const PictureView& picture, HotColours& hot, ColdColours& cold, std::uint8_t* rows) {
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) + 1;
    for (int y = 0; y < picture.height; ++y) {
        const std::uint32_t* src = picture.row(y);
        const std::size_t start = static_cast<std::size_t>(y) * rowBytes;
        rows[start] = 0;
        for (int x = 0; x < picture.width; ++x) codePixel(src[x], start + 1 + x, hot, cold, rows);
    }
}

void translatePortable(std::uint8_t* bytes, std::size_t n, const std::array<std::uint8_t, 16>& table) {
    for (std::size_t i = 0; i < n; ++i) bytes[i] = table[bytes[i] & 0x0F];
}

}  // namespace tellvane::raster
