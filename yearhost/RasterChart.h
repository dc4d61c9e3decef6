#pragma once
// A control as the command line hosts it for real output: drawing on a picture in
// memory, plotting PDF pages with the pens of the user's settings file. No toolkit:
// the texts are drawn with FreeType in the page writer's face.

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "canvas/CanvasSurface.h"
#include "control/TZenzu.h"
#include "hostkit/HeadlessPlatform.h"
#include "hostkit/IniSettingsStore.h"
#include "pagewriter/PageDocument.h"
#include "pagewriter/PageWriterOptions.h"
#include "platform/EventPump.h"
#include "raster/PictureCanvas.h"
#include "yearhost/ChartSize.h"

namespace tellvane {

class RasterChart {
public:
    /// A chart of the size; events is polled while a plotted page is written, and
    /// libraryDirectory (absolute, no trailing separator) is where the page goes.
    /// Messages go to err; pages are written as pages says (PDF by default). May be
    /// used on any thread, one thread at a time.
    RasterChart(ChartSize size, EventPump& events, std::ostream& err, std::u16string libraryDirectory,
                pagewriter::PageWriterOptions pages = {});
    RasterChart(const RasterChart&) = delete;
    RasterChart& operator=(const RasterChart&) = delete;

    /// The control drawing on the picture.
    TZenzu& control() { return control_; }
    /// The chart's picture as it stands.
    raster::PictureView picture() const { return picture_.picture(); }
    /// Writes the chart's picture as a PNG file; fails with Path/File access error.
    void savePng(const std::string& path) const;
    /// The chart's picture as the bytes of a PNG file.
    std::vector<std::uint8_t> pngBytes() const;
    /// Where the plotted page goes from now on.
    void setLibraryDirectory(std::u16string directory) { headless_.setLibraryDirectory(std::move(directory)); }

private:
    raster::PictureCanvas picture_;
    canvas::CanvasSurface surface_{picture_};
    IniSettingsStore settings_;
    pagewriter::PageDocumentFactory plots_;
    HeadlessPlatform headless_;
    TZenzu control_;
};

}  // namespace tellvane
