#pragma once
// The child drawing surface the screen chart is drawn on: pixels, origin top-left,
// y downwards. Its placement within the control is in twips. Any operation may fail
// by throwing tellvane::Error with the realisation's own number.

#include <cstdint>
#include <string>

namespace tellvane {

enum class LineStyle { Solid, Dotted };

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    /// Inner drawing width in pixels.
    virtual float scaleWidth() = 0;
    /// Inner drawing height in pixels.
    virtual float scaleHeight() = 0;
    /// Outer width in the container's unit, twips.
    virtual float outerWidth() = 0;

    /// Placement within the control's client area, in twips.
    virtual void setLeft(float twips) = 0;
    virtual void setTop(float twips) = 0;
    virtual void setWidth(float twips) = 0;
    virtual void setHeight(float twips) = 0;

    /// Background colour as 0xRRGGBB; takes effect at the next clear.
    virtual void setBackground(std::uint32_t rgb) = 0;
    /// Fills the surface with its background and puts the text position at (0, 0).
    virtual void clear() = 0;
    virtual void setLineStyle(LineStyle style) = 0;
    /// Line width in pixels (1 or 2).
    virtual void setLineWidth(int pixels) = 0;
    /// Text colour as a palette index 0-15.
    virtual void setTextColor(int palette) = 0;
    virtual void setFontSize(float points) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void line(float x1, float y1, float x2, float y2, int palette) = 0;
    /// Outline of the box with opposite corners (x1, y1) and (x2, y2), in either order.
    virtual void box(float x1, float y1, float x2, float y2, int palette) = 0;
    /// The same box filled and outlined in the colour.
    virtual void fillBox(float x1, float y1, float x2, float y2, int palette) = 0;
    virtual void setTextPos(float x, float y) = 0;
    /// Prints with the text's top-left corner at the text position, no background fill.
    virtual void print(const std::u16string& text) = 0;
};

}  // namespace tellvane
