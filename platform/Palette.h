#pragma once
// The 16-colour palette of the PC text modes, classic numbering.

#include <cstdint>

namespace tellvane {

/// 0xRRGGBB of palette index 0-15; the index is taken modulo 16.
constexpr std::uint32_t paletteRgb(int index) {
    constexpr std::uint32_t kColours[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return kColours[static_cast<unsigned>(index) & 15u];
}

constexpr int kGreen = 2;
constexpr int kMagenta = 5;
constexpr int kGrey = 8;
constexpr int kLightRed = 12;
constexpr int kLightMagenta = 13;
constexpr int kBrightWhite = 15;

}  // namespace tellvane
