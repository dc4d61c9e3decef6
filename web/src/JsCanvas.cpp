#include "web/src/JsCanvas.h"

#include <emscripten.h>

// Module.chartCanvas and Module.compareCanvas are the page's ChartCanvases; the
// module is created with them.
EM_JS(void, tellvane_canvas_resize, (int which, int w, int h, int rgb),
      { (which ? Module.compareCanvas : Module.chartCanvas).resize(w, h, rgb); });
EM_JS(void, tellvane_canvas_fill, (int which, int x, int y, int w, int h, int rgb),
      { (which ? Module.compareCanvas : Module.chartCanvas).fill(x, y, w, h, rgb); });
EM_JS(void, tellvane_canvas_run, (int which, int x, int y, int length, int vertical, int dotted, int rgb),
      { (which ? Module.compareCanvas : Module.chartCanvas).run(x, y, length, vertical, dotted, rgb); });
EM_JS(int, tellvane_canvas_metrics, (int which, double pixels, int bold),
      { return (which ? Module.compareCanvas : Module.chartCanvas).metrics(pixels, bold); });
EM_JS(void, tellvane_canvas_text,
      (int which, int x, int baseline, const char* text, int length, double pixels, int bold, int rgb), {
          (which ? Module.compareCanvas : Module.chartCanvas)
              .text(x, baseline, UTF8ToString(text, length), pixels, bold, rgb);
      });

namespace tellvane::web {

void JsCanvas::resize(int width, int height, std::uint32_t rgb) {
    tellvane_canvas_resize(which_, width, height, static_cast<int>(rgb));
}

void JsCanvas::fill(int x, int y, int width, int height, std::uint32_t rgb) {
    tellvane_canvas_fill(which_, x, y, width, height, static_cast<int>(rgb));
}

void JsCanvas::run(const canvas::PixelRun& r, std::uint32_t rgb) {
    tellvane_canvas_run(which_, r.x, r.y, r.length, r.vertical, r.dotted, static_cast<int>(rgb));
}

// The ascent in the upper 16 bits, the height in the lower.
canvas::FontMetrics JsCanvas::metrics(double pixels, bool bold) {
    const int packed = tellvane_canvas_metrics(which_, pixels, bold);
    return {packed >> 16, packed & 0xFFFF};
}

void JsCanvas::text(int x, int baseline, const std::string& utf8, double pixels, bool bold, std::uint32_t rgb) {
    tellvane_canvas_text(which_, x, baseline, utf8.data(), static_cast<int>(utf8.size()), pixels, bold,
                         static_cast<int>(rgb));
}

}  // namespace tellvane::web
