#pragma once
// The chart's drawing surface on a browser canvas, drawn as the desktop's raster
// surface draws: coordinates on whole pixels (halves up), lines and boxes without
// anti-aliasing, a two-pixel pen for the frame, one-on one-off dots, and a text's
// top at the text position with its baseline one ascent below.

#include <cstdint>
#include <string>

#include "canvas/Canvas.h"
#include "platform/DrawingSurface.h"

namespace tellvane::canvas {

class CanvasSurface : public DrawingSurface {
public:
    /// Draws on the canvas at a resolution in dots per inch.
    explicit CanvasSurface(Canvas& canvas, double dpi = 96);

    /// Position in the container, in pixels.
    int left() const { return left_; }
    int top() const { return top_; }

    float scaleWidth() override { return static_cast<float>(width_); }
    float scaleHeight() override { return static_cast<float>(height_); }
    float outerWidth() override;
    void setLeft(float twips) override { left_ = toPixels(twips); }
    void setTop(float twips) override { top_ = toPixels(twips); }
    void setWidth(float twips) override { resize(toPixels(twips), height_); }
    void setHeight(float twips) override { resize(width_, toPixels(twips)); }
    void setBackground(std::uint32_t rgb) override { background_ = rgb; }
    void clear() override;
    void setLineStyle(LineStyle style) override { lineStyle_ = style; }
    void setLineWidth(int pixels) override;
    void setTextColor(int palette) override { textColour_ = palette; }
    void setFontSize(float points) override;
    void setFontBold(bool bold) override { bold_ = bold; }
    void line(float x1, float y1, float x2, float y2, int palette) override;
    void box(float x1, float y1, float x2, float y2, int palette) override;
    void fillBox(float x1, float y1, float x2, float y2, int palette) override;
    void setTextPos(float x, float y) override;
    void print(const std::u16string& text) override;

private:
    int toPixels(float twips) const;
    void resize(int width, int height);
    void pixelLine(int x1, int y1, int x2, int y2, std::uint32_t rgb);
    void thinLine(int x1, int y1, int x2, int y2, bool dotted, std::uint32_t rgb);
    void wideOutline(int left, int top, int right, int bottom, std::uint32_t rgb);

    Canvas& canvas_;
    double dpi_;
    int width_ = 0, height_ = 0, left_ = 0, top_ = 0;
    std::uint32_t background_ = 0xFFFFFF;
    LineStyle lineStyle_ = LineStyle::Solid;
    int lineWidth_ = 1;
    int textColour_ = 0;
    double fontPixels_;
    bool bold_ = false;
    double textX_ = 0, textY_ = 0;
};

}  // namespace tellvane::canvas
