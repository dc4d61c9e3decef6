#pragma once
// The two passes of palette indexing, each in a portable and in vector forms.
//
// Pass one writes a code per pixel into PNG scanlines: 1..kHot for the few most
// frequent ("hot") colours, found by comparing whole vectors of pixels with each of
// them, and kCold for the rest, which go one by one to a small table with their
// position. Pass two, once the palette is known, turns the hot codes into palette
// indices with a 16-entry table lookup per vector; the cold pixels are then set
// from the table. Filter bytes are code 0 and stay 0.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster/ColourNumbers.h"
#include "raster/Picture.h"

namespace tellvane::raster {

constexpr int kHot = 6;  // more compares per vector cost more than the table saves
constexpr std::uint8_t kCold = 0xFF;
constexpr std::uint32_t kRgbMask = 0xFFFFFF;
// No pixel masked to 24 bits equals it: the place of a hot colour the picture lacks.
constexpr std::uint32_t kNoColour = 0xFF000000u;

struct HotColours {
    std::array<std::uint32_t, kHot> rgb{};     ///< kNoColour where unused
    std::array<std::uint64_t, kHot> counts{};  ///< pixels of each, filled by pass one
};

/// The colours that are not hot: each with its count and first position, and every
/// such pixel with its colour's number.
class ColdColours {
public:
    struct Pixel {
        std::size_t offset;  ///< in the scanlines
        std::uint32_t number;
    };

    void add(std::uint32_t rgb, std::size_t offset) {
        const std::uint32_t n = numbers_(rgb);
        if (n == rgb_.size()) {
            rgb_.push_back(rgb);
            counts_.push_back(0);
            firsts_.push_back(offset);
        }
        ++counts_[n];
        pixels_.push_back({offset, n});
    }

    const std::vector<std::uint32_t>& rgb() const { return rgb_; }
    const std::vector<std::uint64_t>& counts() const { return counts_; }
    const std::vector<std::size_t>& firsts() const { return firsts_; }
    const std::vector<Pixel>& pixels() const { return pixels_; }

private:
    ColourNumbers numbers_;
    std::vector<std::uint32_t> rgb_;
    std::vector<std::uint64_t> counts_;
    std::vector<std::size_t> firsts_;
    std::vector<Pixel> pixels_;
};

/// Pass one over the whole picture into scanlines of picture.width + 1 bytes.
void codePortable(const PictureView& picture, HotColours& hot, ColdColours& cold, std::uint8_t* rows);
void codeAvx2(const PictureView& picture, HotColours& hot, ColdColours& cold, std::uint8_t* rows);
void codeAvx512(const PictureView& picture, HotColours& hot, ColdColours& cold, std::uint8_t* rows);

/// Pass two over n bytes: every byte b < 16 becomes table[b]; others become any value.
void translatePortable(std::uint8_t* bytes, std::size_t n, const std::array<std::uint8_t, 16>& table);
void translateAvx2(std::uint8_t* bytes, std::size_t n, const std::array<std::uint8_t, 16>& table);
void translateAvx512(std::uint8_t* bytes, std::size_t n, const std::array<std::uint8_t, 16>& table);

/// Pass one's scalar step for one pixel, also the vector paths' ragged row ends.
inline void codePixel(std::uint32_t pixel, std::size_t offset, HotColours& hot, ColdColours& cold, std::uint8_t* rows) {
    const std::uint32_t c = pixel & kRgbMask;
    for (int k = 0; k < kHot; ++k)
        if (c == hot.rgb[k]) {
            ++hot.counts[k];
            rows[offset] = static_cast<std::uint8_t>(k + 1);
            return;
        }
    rows[offset] = kCold;
    cold.add(c, offset);
}

}  // namespace tellvane::raster
