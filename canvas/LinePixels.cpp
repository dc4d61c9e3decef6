#include "canvas/LinePixels.h"

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace tellvane::canvas {
namespace {

using Fixed16 = std::int64_t;  // 16.16

struct Pixel {
    int x, y;
};

// The minor coordinate's step per major pixel, in 16.16, from differences in 26.6.
Fixed16 slope(int minor, int major) { return Fixed16(minor) * (1 << 16) / major; }

// The line clipped to one pixel beyond the surface on every side, in floating
// point, so that far-away ends cannot overflow the fixed-point arithmetic. False
// when nothing of it is left.
bool clip(double& x1, double& y1, double& x2, double& y2, int width, int height) {
    const double xmin = -1, xmax = width + 1, ymin = -1, ymax = height + 1;
    if (x1 < xmin) {
        if (x2 <= xmin) return false;
        y1 += (y2 - y1) / (x2 - x1) * (xmin - x1), x1 = xmin;
    } else if (x1 > xmax) {
        if (x2 >= xmax) return false;
        y1 += (y2 - y1) / (x2 - x1) * (xmax - x1), x1 = xmax;
    }
    if (x2 < xmin)
        y2 += (y2 - y1) / (x2 - x1) * (xmin - x2), x2 = xmin;
    else if (x2 > xmax)
        y2 += (y2 - y1) / (x2 - x1) * (xmax - x2), x2 = xmax;
    if (y1 < ymin) {
        if (y2 <= ymin) return false;
        x1 += (x2 - x1) / (y2 - y1) * (ymin - y1), y1 = ymin;
    } else if (y1 > ymax) {
        if (y2 >= ymax) return false;
        x1 += (x2 - x1) / (y2 - y1) * (ymax - y1), y1 = ymax;
    }
    if (y2 < ymin)
        x2 += (x2 - x1) / (y2 - y1) * (ymin - y2), y2 = ymin;
    else if (y2 > ymax)
        x2 += (x2 - x1) / (y2 - y1) * (ymax - y2), y2 = ymax;
    return true;
}

// Whether each pixel of a line of the given length in 26.6 is set: dots of one
// pixel on and one off, counted from the line's first point even when the pixels
// are visited from its other end.
class Dots {
public:
    Dots(bool reverse, int start, int stop) {
        constexpr int kLength = 128;  // one on, one off, in 26.6
        const int delta = stop - start;
        offset_ = reverse ? kLength - delta - ((start & 63) - 32) : -((start & 63) - 32);
        offset_ %= kLength;
        if (offset_ < 0) offset_ += kLength;
        index_ = offset_ >= 64 ? 1 : 0;
        on_ = reverse ? 0 : 1;
    }
    bool on() const { return ((index_ + on_) & 1) != 0; }
    void next() {
        offset_ += 64;
        if (offset_ >= (index_ == 0 ? 64 : 128)) index_ = (index_ + 1) % 2;
        offset_ %= 128;
    }

private:
    int offset_, index_, on_;
};

// The pixels set, in the order visited: major is the coordinate stepped one pixel
// at a time (x for a line closer to horizontal).
std::vector<Pixel> visit(int a1, int b1, int a2, int b2, bool dotted, bool horizontal) {
    std::vector<Pixel> pixels;
    const bool swapped = a1 > a2;
    if (swapped) std::swap(a1, a2), std::swap(b1, b2);
    const Fixed16 inc = slope(b2 - b1, a2 - a1);
    Fixed16 b = Fixed16(b1) * (1 << 10);
    // Square caps: half a pixel more at both ends.
    a1 -= 32;
    b -= inc >> 1;
    a2 += 32;
    int a = (a1 + 32) >> 6;
    const int last = (a2 + 32) >> 6;
    if (a == last) return pixels;
    b += ((a * (1 << 6)) + (inc > 0 ? 32 : 0) - a1) * inc >> 6;
    Dots dots(swapped, a * 64, last * 64);
    do {
        if (!dotted || dots.on()) pixels.push_back(horizontal ? Pixel{a, int(b >> 16)} : Pixel{int(b >> 16), a});
        dots.next();
        b += inc;
    } while (++a < last);
    return pixels;
}

// The pixels as runs: neighbours in a row or a column join, as do dots two apart.
void emitRuns(const std::vector<Pixel>& pixels, bool dotted, int width, int height,
              const std::function<void(const PixelRun&)>& sink) {
    const int step = dotted ? 2 : 1;
    std::size_t i = 0;
    while (i < pixels.size()) {
        const Pixel p = pixels[i];
        if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        bool vertical = false;
        if (j < pixels.size()) vertical = pixels[j].x == p.x;
        while (j < pixels.size()) {
            const Pixel q = pixels[j];
            const int along = static_cast<int>(j - i) * step;
            const bool joins = vertical ? (q.x == p.x && q.y == p.y + along) : (q.y == p.y && q.x == p.x + along);
            if (!joins || q.x >= width || q.y >= height) break;
            ++j;
        }
        const int count = static_cast<int>(j - i);
        sink(PixelRun{p.x, p.y, (count - 1) * step + 1, vertical, dotted && count > 1});
        i = j;
    }
}

}  // namespace

void linePixels(int x1, int y1, int x2, int y2, bool dotted, int width, int height,
                const std::function<void(const PixelRun&)>& sink) {
    if (x1 == x2 && y1 == y2) {
        if (x1 >= 0 && y1 >= 0 && x1 < width && y1 < height) sink(PixelRun{x1, y1, 1, false, false});
        return;
    }
    double rx1 = x1, ry1 = y1, rx2 = x2, ry2 = y2;
    if (!clip(rx1, ry1, rx2, ry2, width, height)) return;
    const int fx1 = static_cast<int>(rx1 * 64.), fy1 = static_cast<int>(ry1 * 64.);
    const int fx2 = static_cast<int>(rx2 * 64.), fy2 = static_cast<int>(ry2 * 64.);
    const int dx = std::abs(fx2 - fx1), dy = std::abs(fy2 - fy1);
    if (dx == 0 && dy == 0) return;
    const std::vector<Pixel> pixels =
        dx < dy ? visit(fy1, fx1, fy2, fx2, dotted, false) : visit(fx1, fy1, fx2, fy2, dotted, true);
    emitRuns(pixels, dotted, width, height, sink);
}

}  // namespace tellvane::canvas
