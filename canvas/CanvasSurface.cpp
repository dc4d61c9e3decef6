#include "canvas/CanvasSurface.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/Error.h"
#include "common/Text.h"
#include "platform/Palette.h"

namespace tellvane::canvas {
namespace {

constexpr float kInitialFontPoints = 10;    // as the desktop surface starts
constexpr int kLargestSide = 32767;         // the chart's coordinates are 16-bit

// Coordinates land on whole pixels, halves rounded up.
int px(double v) { return static_cast<int>(std::floor(v + 0.5)); }

Error refused(const char* what) { return Error(kInvalidPropertyValue, what, {}); }

// The pixels from one corner to the other, both included, in either order.
struct Span {
    int left, top, right, bottom;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

Span spanned(float x1, float y1, float x2, float y2) {
    const int a = px(x1), b = px(y1), c = px(x2), d = px(y2);
    return {std::min(a, c), std::min(b, d), std::max(a, c), std::max(b, d)};
}

}  // namespace

CanvasSurface::CanvasSurface(Canvas& canvas, double dpi)
    : canvas_(canvas), dpi_(dpi), fontPixels_(kInitialFontPoints * dpi / 72) {}

float CanvasSurface::outerWidth() { return static_cast<float>(width_ * 1440.0 / dpi_); }

int CanvasSurface::toPixels(float twips) const {
    const double pixels = std::floor(static_cast<double>(twips) / (1440.0 / dpi_) + 0.5);
    if (!(pixels >= 0 && pixels <= kLargestSide)) throw refused("size or position out of range");
    return static_cast<int>(pixels);
}

void CanvasSurface::resize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    canvas_.resize(width, height, background_);
}

void CanvasSurface::clear() {
    textX_ = textY_ = 0;
    if (width_ > 0 && height_ > 0) canvas_.fill(0, 0, width_, height_, background_);
}

void CanvasSurface::setLineWidth(int pixels) {
    if (pixels < 1) throw refused("line width");
    lineWidth_ = pixels;
}

void CanvasSurface::setFontSize(float points) {
    if (!(points > 0)) throw refused("font size");
    fontPixels_ = points * dpi_ / 72;
}

void CanvasSurface::thinLine(int x1, int y1, int x2, int y2, bool dotted, std::uint32_t rgb) {
    linePixels(x1, y1, x2, y2, dotted, width_, height_, [&](const PixelRun& r) { canvas_.run(r, rgb); });
}

// The outline of a wider pen around the path from (left, top) to (right, bottom):
// the pixels whose centres lie within a pen's width of the path, two on each side
// for the two-pixel pen, one of them outside.
void CanvasSurface::wideOutline(int left, int top, int right, int bottom, std::uint32_t rgb) {
    const int half = lineWidth_ / 2, rest = lineWidth_ - half;
    const int outerLeft = left - half, outerTop = top - half, outerRight = right + rest - 1,
              outerBottom = bottom + rest - 1;
    const int innerLeft = left + rest, innerTop = top + rest, innerRight = right - half - 1,
              innerBottom = bottom - half - 1;
    if (innerLeft > innerRight || innerTop > innerBottom) {
        canvas_.fill(outerLeft, outerTop, outerRight - outerLeft + 1, outerBottom - outerTop + 1, rgb);
        return;
    }
    const int fullWidth = outerRight - outerLeft + 1;
    canvas_.fill(outerLeft, outerTop, fullWidth, innerTop - outerTop, rgb);
    canvas_.fill(outerLeft, innerBottom + 1, fullWidth, outerBottom - innerBottom, rgb);
    canvas_.fill(outerLeft, innerTop, innerLeft - outerLeft, innerBottom - innerTop + 1, rgb);
    canvas_.fill(innerRight + 1, innerTop, outerRight - innerRight, innerBottom - innerTop + 1, rgb);
}

void CanvasSurface::line(float x1, float y1, float x2, float y2, int palette) {
    if (width_ > 0 && height_ > 0) pixelLine(px(x1), px(y1), px(x2), px(y2), paletteRgb(palette));
}

void CanvasSurface::pixelLine(int x1, int y1, int x2, int y2, std::uint32_t rgb) {
    if (lineWidth_ == 1) return thinLine(x1, y1, x2, y2, lineStyle_ == LineStyle::Dotted, rgb);
    // A wider pen is always solid; the chart draws with it only across and down,
    // where its square ends reach half the pen beyond both ends and both sides.
    const int half = lineWidth_ / 2;
    const int left = std::min(x1, x2), top = std::min(y1, y2);
    canvas_.fill(left - half, top - half, std::abs(x2 - x1) + lineWidth_, std::abs(y2 - y1) + lineWidth_, rgb);
}

void CanvasSurface::box(float x1, float y1, float x2, float y2, int palette) {
    if (width_ == 0 || height_ == 0) return;
    const Span s = spanned(x1, y1, x2, y2);
    const std::uint32_t rgb = paletteRgb(palette);
    // A box without area is the line it covers.
    if (s.width() == 1 || s.height() == 1) return pixelLine(s.left, s.top, s.right, s.bottom, rgb);
    if (lineWidth_ > 1) return wideOutline(s.left, s.top, s.right, s.bottom, rgb);
    if (lineStyle_ == LineStyle::Dotted) {
        thinLine(s.left, s.top, s.right, s.top, true, rgb);
        thinLine(s.right, s.top, s.right, s.bottom, true, rgb);
        thinLine(s.right, s.bottom, s.left, s.bottom, true, rgb);
        thinLine(s.left, s.bottom, s.left, s.top, true, rgb);
        return;
    }
    canvas_.fill(s.left, s.top, s.width(), 1, rgb);
    canvas_.fill(s.left, s.bottom, s.width(), 1, rgb);
    canvas_.fill(s.left, s.top + 1, 1, s.height() - 2, rgb);
    canvas_.fill(s.right, s.top + 1, 1, s.height() - 2, rgb);
}

void CanvasSurface::fillBox(float x1, float y1, float x2, float y2, int palette) {
    if (width_ == 0 || height_ == 0) return;
    const Span s = spanned(x1, y1, x2, y2);
    const std::uint32_t rgb = paletteRgb(palette);
    canvas_.fill(s.left, s.top, s.width(), s.height(), rgb);
    if (lineWidth_ > 1 && s.width() > 1 && s.height() > 1) wideOutline(s.left, s.top, s.right, s.bottom, rgb);
}

void CanvasSurface::setTextPos(float x, float y) {
    textX_ = x;
    textY_ = y;
}

void CanvasSurface::print(const std::u16string& text) {
    const FontMetrics metrics = canvas_.metrics(fontPixels_, bold_);
    if (width_ > 0 && height_ > 0)
        canvas_.text(px(textX_), px(textY_) + metrics.ascent, toUtf8(text), fontPixels_, bold_,
                     paletteRgb(textColour_));
    textX_ = 0;
    textY_ += metrics.height;
}

}  // namespace tellvane::canvas
