#include "qt/PngFile.h"

#include "common/Error.h"
#include "raster/PngFile.h"

namespace tellvane {

void writePng(const QImage& source, const std::string& path) {
    if (source.isNull()) throw Error::fileAccess(path, "the picture is empty");
    // Not a copy of the source: a copy of an image being painted on is a deep one.
    QImage converted;
    if (source.format() != QImage::Format_RGB32) converted = source.convertToFormat(QImage::Format_RGB32);
    const QImage& image = converted.isNull() ? source : converted;
    raster::PictureView picture;
    picture.pixels = reinterpret_cast<const std::uint32_t*>(image.constBits());
    picture.width = image.width();
    picture.height = image.height();
    picture.stride = static_cast<std::size_t>(image.bytesPerLine()) / sizeof(std::uint32_t);
    raster::writePng(picture, path);
}

}  // namespace tellvane
