#pragma once
// A canvas in memory for the tests: fills and runs set pixels; texts are left
// out, their metrics fixed.

#include <cstdint>
#include <vector>

#include "canvas/Canvas.h"

namespace tellvane::test {

class PixelCanvas : public canvas::Canvas {
public:
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  ///< 0xRRGGBB, row by row
    int texts = 0;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

    void resize(int w, int h, std::uint32_t rgb) override {
        std::vector<std::uint32_t> next(static_cast<std::size_t>(w) * h, rgb);
        for (int y = 0; y < std::min(h, height); ++y)
            for (int x = 0; x < std::min(w, width); ++x) next[static_cast<std::size_t>(y) * w + x] = at(x, y);
        width = w, height = h, pixels = std::move(next);
    }
    void fill(int x, int y, int w, int h, std::uint32_t rgb) override {
        for (int j = std::max(y, 0); j < std::min(y + h, height); ++j)
            for (int i = std::max(x, 0); i < std::min(x + w, width); ++i) set(i, j, rgb);
    }
    void run(const canvas::PixelRun& r, std::uint32_t rgb) override {
        for (int k = 0; k < r.length; k += r.dotted ? 2 : 1)
            set(r.vertical ? r.x : r.x + k, r.vertical ? r.y + k : r.y, rgb);
    }
    canvas::FontMetrics metrics(double, bool) override { return {12, 16}; }
    void text(int, int, const std::string&, double, bool, std::uint32_t) override { ++texts; }

private:
    void set(int x, int y, std::uint32_t rgb) {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<std::size_t>(y) * width + x] = rgb;
    }
};

}  // namespace tellvane::test
