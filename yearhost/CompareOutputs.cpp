#include "yearhost/CompareOutputs.h"

#include <filesystem>
#include <memory>

#include "canvas/CanvasSurface.h"
#include "common/Text.h"
#include "comparechart/CompareChart.h"
#include "fileout/WorkFolder.h"
#include "pagewriter/PageDocument.h"
#include "raster/ColourIndex.h"
#include "raster/PictureCanvas.h"
#include "raster/PngFile.h"
#include "records/DataFiles.h"

namespace tellvane {
namespace {

constexpr float kTwipsPerPixel = 15;  // at the chart's 96 dots per inch

std::string chartFontFile() { return pagewriter::existingFile(pagewriter::defaultTypefaces().front()); }

}  // namespace

std::vector<std::uint8_t> comparePng(const CompareInput& input, ChartSize size) {
    raster::PictureCanvas picture(chartFontFile());
    canvas::CanvasSurface surface(picture);
    surface.setWidth(static_cast<float>(size.width) * kTwipsPerPixel);
    surface.setHeight(static_cast<float>(size.height) * kTwipsPerPixel);
    drawCompareChart(input, surface);
    return raster::encodePng(raster::indexColours(picture.picture()));
}

std::string comparePage(const CompareInput& input, bool svg) {
    const fileout::WorkFolder work(std::filesystem::temp_directory_path());
    const std::filesystem::path file = work.path() / (svg ? "compare.svg" : "compare.pdf");
    pagewriter::PageWriterOptions options;
    options.background = false;  // one page, read back at once
    options.svg = svg;
    pagewriter::PageDocumentFactory pages(std::move(options));
    const std::unique_ptr<PlotDocument> doc = pages.create();
    plotCompareChart(input, *doc, fromUtf8(file.string()));
    return readWholeFile(file);
}

}  // namespace tellvane
