#pragma once
// PNG output of a surface's picture through the toolkit-free raster output.

#include <QImage>
#include <string>

namespace tellvane {

/// Writes the image to the file; fails with Path/File access error.
void writePng(const QImage& image, const std::string& path);

}  // namespace tellvane
