#pragma once
// PNG output of a picture: palette colours (see ColourIndex.h), no filtering and
// the fastest compression, since a chart is mostly flat colour.

#include <cstdint>
#include <string>
#include <vector>

#include "raster/ColourIndex.h"
#include "raster/Picture.h"

namespace tellvane::raster {

/// The whole PNG file of an indexed picture.
std::vector<std::uint8_t> encodePng(const IndexedImage& indexed);

/// Writes the picture to the file through fileout: whole or not at all, an earlier
/// file is kept on failure. Fails with Path/File access error.
void writePng(const PictureView& picture, const std::string& path);

}  // namespace tellvane::raster
