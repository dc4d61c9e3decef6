#include "yearhost/RasterChart.h"

#include <utility>

#include "pagewriter/PageWriterOptions.h"
#include "raster/PngFile.h"

namespace tellvane {
namespace {

constexpr float kTwipsPerPixel = 15;  // at the chart's 96 dots per inch

// The face of the chart's texts: the plotted page's default face, so both charts
// letter alike.
std::string chartFontFile() { return pagewriter::existingFile(pagewriter::defaultTypefaces().front()); }

// The surface at the chart's size, before the platform reads it.
DrawingSurface& sized(canvas::CanvasSurface& surface, ChartSize size) {
    surface.setWidth(static_cast<float>(size.width) * kTwipsPerPixel);
    surface.setHeight(static_cast<float>(size.height) * kTwipsPerPixel);
    return surface;
}

}  // namespace

RasterChart::RasterChart(ChartSize size, EventPump& events, std::ostream& err, std::u16string libraryDirectory,
                         pagewriter::PageWriterOptions pages)
    : picture_(chartFontFile()),
      plots_(std::move(pages)),
      headless_(HeadlessParts{sized(surface_, size), plots_, settings_, events}, err, std::move(libraryDirectory)),
      control_(headless_.platform()) {}

void RasterChart::savePng(const std::string& path) const { raster::writePng(picture_.picture(), path); }

std::vector<std::uint8_t> RasterChart::pngBytes() const {
    return raster::encodePng(raster::indexColours(picture_.picture()));
}

}  // namespace tellvane
