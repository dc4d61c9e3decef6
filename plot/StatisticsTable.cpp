#include "plot/StatisticsTable.h"

#include "chartinput/DataKind.h"
#include "common/Rounding.h"
#include "common/Text.h"
#include "plot/PageDrawing.h"

namespace tellvane {

std::u16string statisticsTableText(const std::u16string& mode) {
    return (isDischarge(mode) ? u"流量位況　" : u"水位位況　") + statisticsLabels(mode);
}

std::u16string tableValue(double stat) { return fullWidth(twoDecimal(Round2(stat))); }

void drawStatisticsTable(PlotDocument& doc, const AnnualStore& store, const PageGeometry& g, const GridPens& pens,
                         const std::u16string& mode) {
    const std::u16string text = statisticsTableText(mode);
    const double labelX = PageGeometry::kPlotRight - 3 * g.MonthWidth() + 2;
    const double valueX = PageGeometry::kPlotRight - g.MonthWidth() - 2;
    for (int i = 1; i <= 8; ++i) {
        // 3 above the floor of row i.
        const double y = PageGeometry::kPlotTop - i * g.MajorStep() / 5 + 3;
        pageText(doc, labelX, y, text.substr(static_cast<std::size_t>(5 * i - 5), 5), 5, pens.MojietcPen, 1,
                 kAnchorLeftBottom);
        if (i >= 2) pageText(doc, valueX, y, tableValue(store.Stats(i - 1)), 4, pens.MojietcPen, 1, kAnchorRightBottom);
    }
}

}  // namespace tellvane
