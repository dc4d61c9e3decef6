#include "raster/PictureCanvas.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

#include "common/Error.h"
#include "raster/RasterErrors.h"

namespace tellvane::raster {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// The last large picture a thread let go of, kept for its next chart of the same
// size: a batch draws chart after chart, and the kernel would otherwise unmap the
// picture and clear it anew every time.
struct SparePicture {
    std::uint32_t* pixels = nullptr;
    std::size_t bytes = 0;
    ~SparePicture() { std::free(pixels); }
};
thread_local SparePicture spare;

}  // namespace

void PictureCanvas::Release::operator()(std::uint32_t* pixels) const {
    if (bytes >= kHugePage / 2 && !spare.pixels) {
        spare.pixels = pixels;
        spare.bytes = bytes;
        return;
    }
    std::free(pixels);
}

// A chart's few megabytes of pixels, faulted in page by page, cost the kernel more
// than drawing the chart does; pictures of a megabyte or more are therefore asked
// of it in huge pages where it offers them.
PictureCanvas::Pixels PictureCanvas::allocate(std::size_t count) {
    const std::size_t bytes = std::max<std::size_t>(count, 1) * sizeof(std::uint32_t);
    if (bytes < kHugePage / 2) {
        auto* small = static_cast<std::uint32_t*>(std::malloc(bytes));
        if (!small) throw Error(kOutOfMemory, "Out of memory");
        return Pixels(small, Release{bytes});
    }
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    if (spare.pixels && spare.bytes == rounded) return Pixels(std::exchange(spare.pixels, nullptr), Release{rounded});
    auto* pixels = static_cast<std::uint32_t*>(std::aligned_alloc(kHugePage, rounded));
    if (!pixels) throw Error(kOutOfMemory, "Out of memory");
#ifdef MADV_HUGEPAGE
    ::madvise(pixels, rounded, MADV_HUGEPAGE);  // a hint: without huge pages the picture works the same
#endif
    return Pixels(pixels, Release{rounded});
}

PictureCanvas::PictureCanvas(std::string fontFile) : text_(std::move(fontFile)) {}

PictureView PictureCanvas::picture() const {
    return {pixels_.get(), width_, height_, static_cast<std::size_t>(width_)};
}

// A new size in the colour, keeping what was drawn where it still fits.
void PictureCanvas::resize(int width, int height, std::uint32_t rgb) {
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    Pixels next = allocate(count);
    std::fill_n(next.get(), count, rgb & 0xFFFFFF);
    const int keptWidth = std::min(width, width_);
    for (int y = 0; y < std::min(height, height_); ++y)
        std::copy_n(pixels_.get() + static_cast<std::ptrdiff_t>(y) * width_, keptWidth,
                    next.get() + static_cast<std::ptrdiff_t>(y) * width);
    width_ = width;
    height_ = height;
    pixels_ = std::move(next);
}

void PictureCanvas::fill(int x, int y, int width, int height, std::uint32_t rgb) {
    const int left = std::max(x, 0), right = std::min(x + width, width_);
    if (left >= right) return;
    for (int j = std::max(y, 0); j < std::min(y + height, height_); ++j) {
        std::uint32_t* row = pixels_.get() + static_cast<std::ptrdiff_t>(j) * width_;
        std::fill(row + left, row + right, rgb & 0xFFFFFF);
    }
}

void PictureCanvas::run(const canvas::PixelRun& r, std::uint32_t rgb) {
    for (int k = 0; k < r.length; k += r.dotted ? 2 : 1)
        set(r.vertical ? r.x : r.x + k, r.vertical ? r.y + k : r.y, rgb);
}

canvas::FontMetrics PictureCanvas::metrics(double pixels, bool) {
    const TextMetrics m = text_.metrics(pixels);
    return {m.ascent, m.ascent + m.descent};
}

void PictureCanvas::text(int x, int baseline, const std::string& utf8, double pixels, bool bold, std::uint32_t rgb) {
    text_.draw(MutablePicture{pixels_.get(), width_, height_, static_cast<std::size_t>(width_)}, x, baseline, utf8,
               pixels, bold, rgb & 0xFFFFFF);
}

void PictureCanvas::set(int x, int y, std::uint32_t rgb) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
            rgb & 0xFFFFFF;
}

}  // namespace tellvane::raster
