#include "raster/PictureCanvas.h"

#include <algorithm>
#include <utility>

#include "common/Error.h"

namespace tellvane::raster {
PictureCanvas::PictureCanvas(std::string fontFile) : text_(std::move(fontFile)) {}

PictureView PictureCanvas::picture() const {
    return {pixels_.get(), width_, height_, static_cast<std::size_t>(width_)};
}

// A new size in the colour, keeping what was drawn where it still fits.
void PictureCanvas::resize(int width, int height, std::uint32_t rgb) {
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    LargeBuffer<std::uint32_t> next = largeBuffer<std::uint32_t>(count);
    std::fill_n(next.get(), count, rgb & 0xFFFFFF);
    const int keptWidth = std::min(width, width_);
    for (int y = 0; y < std::min(height, height_); ++y)
        std::copy_n(pixels_.get() + static_cast<std::ptrdiff_t>(y) * width_, keptWidth,
                    next.get() + static_cast<std::ptrdiff_t>(y) * width);
    const bool kept = width_ > 0 && height_ > 0 && width > 0 && height > 0;  // some pixels drawn before stay
    if (!kept || uniform_ == (rgb & 0xFFFFFF))
        uniform_ = rgb & 0xFFFFFF;
    else
        uniform_.reset();
    width_ = width;
    height_ = height;
    pixels_ = std::move(next);
}

void PictureCanvas::fill(int x, int y, int width, int height, std::uint32_t rgb) {
    const int left = std::max(x, 0), right = std::min(x + width, width_);
    const int top = std::max(y, 0), bottom = std::min(y + height, height_);
    if (left >= right || top >= bottom) return;
    const bool whole = left == 0 && top == 0 && right == width_ && bottom == height_;
    if (whole && uniform_ == (rgb & 0xFFFFFF)) return;
    uniform_ = whole ? std::optional(rgb & 0xFFFFFF) : std::nullopt;
    for (int j = top; j < bottom; ++j) {
        std::uint32_t* row = pixels_.get() + static_cast<std::ptrdiff_t>(j) * width_;
        std::fill(row + left, row + right, rgb & 0xFFFFFF);
    }
}

void PictureCanvas::run(const canvas::PixelRun& r, std::uint32_t rgb) {
    uniform_.reset();
    for (int k = 0; k < r.length; k += r.dotted ? 2 : 1)
        set(r.vertical ? r.x : r.x + k, r.vertical ? r.y + k : r.y, rgb);
}

canvas::FontMetrics PictureCanvas::metrics(double pixels, bool) {
    const TextMetrics m = text_.metrics(pixels);
    return {m.ascent, m.ascent + m.descent};
}

void PictureCanvas::text(int x, int baseline, const std::string& utf8, double pixels, bool bold, std::uint32_t rgb) {
    uniform_.reset();
    text_.draw(MutablePicture{pixels_.get(), width_, height_, static_cast<std::size_t>(width_)}, x, baseline, utf8,
               pixels, bold, rgb & 0xFFFFFF);
}

void PictureCanvas::set(int x, int y, std::uint32_t rgb) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
            rgb & 0xFFFFFF;
}

}  // namespace tellvane::raster
