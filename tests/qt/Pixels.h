#pragma once
// Reading a picture's pixels in the tests.

#include <QImage>
#include <QRect>
#include <QRgb>

#include "platform/Palette.h"

namespace tellvane::test {

/// The pixel's colour as 0xRRGGBB.
inline std::uint32_t rgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

/// True when the pixel has the palette colour.
inline bool isPalette(const QImage& image, int x, int y, int palette) {
    return rgbAt(image, x, y) == paletteRgb(palette);
}

/// How many pixels of the area have exactly this colour.
inline int countRgb(const QImage& image, const QRect& area, std::uint32_t rgb) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += rgbAt(image, x, y) == rgb;
    return n;
}

/// The smallest rectangle that holds every pixel of the area that differs from
/// the colour; empty when none does.
inline QRect inkBounds(const QImage& image, const QRect& area, std::uint32_t background) {
    QRect ink;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (rgbAt(image, x, y) != background) ink |= QRect(x, y, 1, 1);
    return ink;
}

}  // namespace tellvane::test
