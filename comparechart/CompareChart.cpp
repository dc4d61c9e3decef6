#include "comparechart/CompareChart.h"

#include "comparechart/CompareCaptions.h"
#include "comparechart/CompareCurves.h"
#include "comparechart/CompareGrid.h"
#include "comparechart/PagePainter.h"
#include "comparechart/SurfacePainter.h"

namespace tellvane {

// The order decides what covers what: the bands, the rules over them, the curves
// over both, the frames, then the texts.
void drawComparison(const CompareInput& input, ComparePainter& painter) {
    const CompareSeries series = compareSeries(input);
    const CompareLayout layout = compareLayout(painter.size(), valueAxis(series.lowest, series.highest));
    drawBands(painter, layout, series.bands);
    drawValueRules(painter, layout);
    drawMonthRules(painter, layout);
    drawRankRules(painter, layout);
    drawMedianSteps(painter, layout, series.bands);
    drawDailySteps(painter, layout, series.chosen->daily, Ink::Chosen);
    drawDurations(painter, layout, series);
    drawFrames(painter, layout);
    drawHeader(painter, layout, input);
    drawLegend(painter, layout, input);
    drawValueTable(painter, layout, input, series);
}

void drawCompareChart(const CompareInput& input, DrawingSurface& surface) {
    surface.clear();
    surface.setLineStyle(LineStyle::Solid);
    surface.setLineWidth(1);
    SurfacePainter painter(surface);
    drawComparison(input, painter);
}

void plotCompareChart(const CompareInput& input, PlotDocument& doc, const std::u16string& path) {
    PagePainter painter(doc);
    painter.setUp();
    drawComparison(input, painter);
    doc.OutputToFile(path);
    doc.CloseDocument();
}

}  // namespace tellvane
