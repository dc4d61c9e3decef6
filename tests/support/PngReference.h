#pragma once
// What the PNG output must equal, reached another way: the palette counted pixel by
// pixel with a general map, as the palette's rules state it, written by libspng
// (the encoder the project used before) and read back by libspng.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "raster/Picture.h"

namespace tellvane::test {

struct ReferenceIndexed {
    std::vector<std::uint32_t> palette;  ///< 0xRRGGBB
    std::vector<std::uint8_t> pixels;    ///< width x height, row by row
};

/// The picture by palette index, by the rules in raster/ColourIndex.h.
ReferenceIndexed referenceIndex(const raster::PictureView& picture);

/// The indexed picture as a PNG file's bytes, written by libspng.
std::vector<std::uint8_t> referencePng(const ReferenceIndexed& indexed, int width, int height);

/// A PNG file's pixels as 0xRRGGBB, read by libspng with its CRC checks on;
/// empty when it cannot be read.
std::vector<std::uint32_t> decodePng(const std::vector<std::uint8_t>& png);

struct OwnedPicture;
/// A PNG file's picture, read by libspng; 0 x 0 when it cannot be read.
OwnedPicture readPng(const std::string& path);

/// The bytes of a file; empty when it cannot be read.
std::vector<std::uint8_t> fileBytes(const std::string& path);

/// A picture with its pixels, for building test pictures.
struct OwnedPicture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;

    raster::PictureView view() const { return {pixels.data(), width, height, static_cast<std::size_t>(width)}; }
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    /// The pixel as 0xRRGGBB; 0 outside the picture.
    std::uint32_t rgbAt(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height ? pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF
                                                           : 0;
    }
};

/// A chart-like random picture: runs of a few frequent colours, and among them rare
/// shades from a pool of `rare` colours; the top byte of every pixel is random,
/// since it must be ignored.
OwnedPicture randomPicture(std::mt19937& random, int width, int height, int rare);

}  // namespace tellvane::test
