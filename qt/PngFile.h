#pragma once
// PNG output of a surface's picture, always exact: palette colours when the picture
// has at most 256 (see ColourIndex.h), truecolour otherwise; no filtering and the
// fastest compression, since a chart is mostly flat colour.

#include <QImage>
#include <string>

namespace tellvane {

/// Writes the image to the file; fails with Path/File access error, leaving an
/// earlier file of that name as it was.
void writePng(const QImage& image, const std::string& path);

}  // namespace tellvane
