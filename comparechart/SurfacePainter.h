#pragma once
// The comparison on the screen's drawing surface: the annual chart's palette and
// pens in pixels. The bands are shades of grey made of the palette's silver and
// grey, dotted in a checkerboard where a lighter shade is wanted.

#include "comparechart/ComparePainter.h"
#include "platform/DrawingSurface.h"

namespace tellvane {

class SurfacePainter final : public ComparePainter {
public:
    /// A caption's characters are the annual chart's 10 points at 96 DPI.
    static constexpr double kEmPixels = 10.0 * 96 / 72;

    explicit SurfacePainter(DrawingSurface& surface) : surface_(surface) {}

    PainterSize size() override;
    void band(double x1, double x2, double top, double bottom, Ink ink) override;
    void line(double x1, double y1, double x2, double y2, Ink ink) override;
    void text(double x, double y, const std::u16string& text, double size, Align align, Ink ink) override;

private:
    void checkerboard(int left, int right, int top, int bottom, int palette);
    DrawingSurface& surface_;
};

}  // namespace tellvane
