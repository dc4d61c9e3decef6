#pragma once
// A canvas of the page: every call goes straight to one of the page's chart
// canvases (web/site/chart-canvas.js) through JavaScript imported by the module.

#include "canvas/Canvas.h"

namespace tellvane::web {

class JsCanvas : public canvas::Canvas {
public:
    /// Module.chartCanvas, the annual chart's, or Module.compareCanvas, the comparison's.
    enum class Which { Chart, Compare };
    explicit JsCanvas(Which which = Which::Chart) : which_(static_cast<int>(which)) {}

    void resize(int width, int height, std::uint32_t rgb) override;
    void fill(int x, int y, int width, int height, std::uint32_t rgb) override;
    void run(const canvas::PixelRun& run, std::uint32_t rgb) override;
    canvas::FontMetrics metrics(double pixels, bool bold) override;
    void text(int x, int baseline, const std::string& utf8, double pixels, bool bold, std::uint32_t rgb) override;

private:
    int which_;
};

}  // namespace tellvane::web
