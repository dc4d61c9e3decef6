#pragma once
// A canvas in memory: rows of 0x00RRGGBB pixels that the chart's surface fills and
// dots, and texts drawn with FreeType, for hosts that write the chart as a picture
// file without a toolkit.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "canvas/Canvas.h"
#include "raster/GlyphText.h"
#include "raster/LargeBuffer.h"
#include "raster/Picture.h"

namespace tellvane::raster {

class PictureCanvas : public canvas::Canvas {
public:
    /// Texts in the face of the font file (read at the first text).
    explicit PictureCanvas(std::string fontFile);

    /// The picture as it stands.
    PictureView picture() const;

    void resize(int width, int height, std::uint32_t rgb) override;
    void fill(int x, int y, int width, int height, std::uint32_t rgb) override;
    void run(const canvas::PixelRun& run, std::uint32_t rgb) override;
    canvas::FontMetrics metrics(double pixels, bool bold) override;
    void text(int x, int baseline, const std::string& utf8, double pixels, bool bold, std::uint32_t rgb) override;

private:
    void set(int x, int y, std::uint32_t rgb);

    GlyphText text_;
    int width_ = 0, height_ = 0;
    LargeBuffer<std::uint32_t> pixels_{nullptr, LargeRelease<std::uint32_t>(0)};
    // The colour of every pixel while nothing else is drawn: a chart is cleared in its
    // background right after the picture is made in it, and filling megabytes again
    // with the same colour costs a good part of a drawing.
    std::optional<std::uint32_t> uniform_;
};

}  // namespace tellvane::raster
