#include "plot/NenzuSakuzu.h"

#include "plot/PageCaptions.h"
#include "plot/PageCurves.h"
#include "plot/PageGrid.h"
#include "plot/PageSetup.h"
#include "plot/PlotOutput.h"
#include "plot/StatisticsTable.h"

namespace tellvane {

// The order of the calls is the page's contract with the document: set-up, grid,
// data lines, captions, output. Each pen is read just before its first use.
void NenzuSakuzu(ChartSource& source, const Platform& platform) {
    std::unique_ptr<PlotDocument> doc = platform.plotDocuments.create();
    const std::u16string path = plotFilePath(platform.library);
    setUpDocument(*doc);
    const GridPens pens = readGridPens(platform.settings);
    drawPageFrame(*doc, pens);
    const PageGeometry g(source);
    drawPageGrid(*doc, g, pens);

    const AnnualStore& store = source.store();
    const PlotPen staircasePen(readPenText(platform.settings, u"Sen2Pen"));
    drawDurationStaircase(*doc, store, g, staircasePen);
    drawLeaders(*doc, store, g, staircasePen);
    drawDailyStepLine(*doc, store, g, readPenText(platform.settings, u"Sen1Pen"));

    drawPageCaptions(*doc, source, pens, platform.settings);
    drawStatisticsTable(*doc, store, g, pens, source.Mode());
    outputPage(doc, path, platform);
}

}  // namespace tellvane
