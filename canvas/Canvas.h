#pragma once
// What the chart's surface needs of a browser canvas: whole-pixel fills, dots,
// and texts in the page's font. The module's realisation calls the page's canvas;
// tests put the fills in memory.

#include <cstdint>
#include <string>

#include "canvas/LinePixels.h"

namespace tellvane::canvas {

/// A font's vertical extent in whole pixels.
struct FontMetrics {
    int ascent = 0;
    int height = 0;  ///< ascent and descent
};

class Canvas {
public:
    virtual ~Canvas() = default;
    /// A new size in pixels, filled with the colour (0xRRGGBB).
    virtual void resize(int width, int height, std::uint32_t rgb) = 0;
    /// The rectangle of whole pixels in the colour.
    virtual void fill(int x, int y, int width, int height, std::uint32_t rgb) = 0;
    /// The pixels of the run in the colour.
    virtual void run(const PixelRun& run, std::uint32_t rgb) = 0;
    /// The metrics of the page's font at the size in pixels.
    virtual FontMetrics metrics(double pixels, bool bold) = 0;
    /// The UTF-8 text with its baseline's left end at (x, baseline).
    virtual void text(int x, int baseline, const std::string& utf8, double pixels, bool bold, std::uint32_t rgb) = 0;
};

}  // namespace tellvane::canvas
