#pragma once
// A control as the command line hosts it for real output: drawing on a Qt raster
// surface, plotting PDF pages with the pens of the user's settings file.

#include <ostream>
#include <string>

#include "apps/tellvane/YearOptions.h"
#include "control/TZenzu.h"
#include "hostkit/HeadlessPlatform.h"
#include "pagewriter/PageDocument.h"
#include "platform/EventPump.h"
#include "qt/PageWriterWaking.h"
#include "qt/QtSettingsStore.h"
#include "qt/RasterSurface.h"

namespace tellvane::cli {

class RasterChart {
public:
    /// A chart of the size; events is polled while a plotted page is written, and
    /// libraryDirectory (absolute, no trailing separator) is where the page goes.
    /// Messages go to err. Needs a running QGuiApplication; may be used on any
    /// thread, one thread at a time.
    RasterChart(ChartSize size, EventPump& events, std::ostream& err, std::u16string libraryDirectory);
    RasterChart(const RasterChart&) = delete;
    RasterChart& operator=(const RasterChart&) = delete;

    /// The control drawing on the surface.
    TZenzu& control() { return control_; }
    /// The chart's picture.
    const RasterSurface& surface() const { return surface_; }

private:
    RasterSurface surface_;
    QtSettingsStore settings_;
    pagewriter::PageDocumentFactory plots_{qtPageWriterOptions()};
    HeadlessPlatform headless_;
    TZenzu control_;
};

}  // namespace tellvane::cli
