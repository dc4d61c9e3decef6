#pragma once
// PNG output of a surface's picture: palette colours (see ColourIndex.h), no
// filtering and the fastest compression, since a chart is mostly flat colour.

#include <QImage>
#include <string>

namespace tellvane {

/// Writes the image to the file; fails with Path/File access error.
void writePng(const QImage& image, const std::string& path);

}  // namespace tellvane
