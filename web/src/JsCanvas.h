#pragma once
// The canvas of the page: every call goes straight to the page's chart canvas
// (web/site/chart-canvas.js) through JavaScript imported by the module.

#include "canvas/Canvas.h"

namespace tellvane::web {

class JsCanvas : public canvas::Canvas {
public:
    void resize(int width, int height, std::uint32_t rgb) override;
    void fill(int x, int y, int width, int height, std::uint32_t rgb) override;
    void run(const canvas::PixelRun& run, std::uint32_t rgb) override;
    canvas::FontMetrics metrics(double pixels, bool bold) override;
    void text(int x, int baseline, const std::string& utf8, double pixels, bool bold, std::uint32_t rgb) override;
};

}  // namespace tellvane::web
