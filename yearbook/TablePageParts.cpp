#include "yearbook/TablePageParts.h"

#include "chartinput/DataKind.h"
#include "common/Rounding.h"
#include "common/Text.h"
#include "plot/PageGeometry.h"
#include "plot/PageSetup.h"

namespace tellvane {

GridPens drawTablePageFrame(PlotDocument& doc, const PageHeader& header, const std::u16string& title,
                            SettingsStore& settings) {
    setUpDocument(doc);
    const GridPens pens = readGridPens(settings);
    drawPageHeader(doc, pens, header);
    const Int32 tytle = readPen32(settings, u"TytlePen");
    doc.DrawTitle(PageGeometry::kPlotLeft + 130, PageGeometry::kPlotTop + 18, title, ReservedWords{}, 9, 9, 0,
                  plotPen(tytle), std::nullopt, std::nullopt);
    return pens;
}

std::u16string cellValue(const std::optional<double>& v) { return v ? twoDecimal(Round2(*v)) : std::u16string(); }

std::u16string monthDay(const std::optional<CivilDate>& date) {
    if (!date) return {};
    return plainInteger(date->month) + u"/" + plainInteger(date->day);
}

void drawBox(PlotDocument& doc, double left, double bottom, double right, double top, Int16 pen) {
    ruleLine(doc, left, bottom, left, top, pen);
    ruleLine(doc, left, top, right, top, pen);
    ruleLine(doc, right, top, right, bottom, pen);
    ruleLine(doc, right, bottom, left, bottom, pen);
}

std::u16string valueUnit(const std::u16string& mode) { return isDischarge(mode) ? u"m³/s" : u"m"; }

}  // namespace tellvane
