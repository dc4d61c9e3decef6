#include "screenchart/DrawGraph.h"

#include "platform/Palette.h"
#include "screenchart/ChartCaptions.h"
#include "screenchart/ChartCurves.h"
#include "screenchart/ChartGrid.h"

namespace tellvane {

// The order decides what covers what: curves first, then frame and grid over them,
// captions last.
void DrawGraph(ChartSource& source, DrawingSurface& surface) {
    const ChartGeometry g(source, surface);
    surface.clear();
    surface.setLineStyle(LineStyle::Solid);
    surface.setTextColor(kMagenta);
    drawDailyChart(source.store(), g, surface);
    drawDurationStaircase(source.store(), g, surface);
    drawFrame(g, surface);
    drawValueGrid(g, surface);
    drawMonthGrid(g, surface);
    surface.setLineStyle(LineStyle::Solid);
    drawCaptions(source, g, surface);
}

}  // namespace tellvane
