#pragma once
// Which pixels a one-pixel line sets, by the rules of the desktop's raster
// surface: both ends included, the minor coordinate stepped in 16.16 fixed point
// from the ends in 26.6, dots alternating from the line's first point. The
// browser's canvas would anti-alias the line, so the pixels are chosen here.

#include <functional>

namespace tellvane::canvas {

/// A run of pixels: length pixels from (x, y) along a row, or along a column when
/// vertical; every other one of them (the first set) when dotted.
struct PixelRun {
    int x, y, length;
    bool vertical, dotted;
};

/// The runs of the line from (x1, y1) to (x2, y2) on a surface of width × height
/// pixels, handed to sink in the order they are drawn; nothing outside the surface.
void linePixels(int x1, int y1, int x2, int y2, bool dotted, int width, int height,
                const std::function<void(const PixelRun&)>& sink);

}  // namespace tellvane::canvas
