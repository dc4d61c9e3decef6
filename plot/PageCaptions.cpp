#include "plot/PageCaptions.h"

#include "chartinput/DataKind.h"
#include "common/Era.h"
#include "common/Text.h"
#include "plot/PageDrawing.h"
#include "plot/PageGeometry.h"

namespace tellvane {
namespace {

constexpr double kLeft = PageGeometry::kPlotLeft;
constexpr double kTop = PageGeometry::kPlotTop;

// A box from x 40 to 77 and y 263 to 278: a header row over a kind column and a
// number column.
void drawStationBlock(PlotDocument& doc, const GridPens& pens) {
    ruleLine(doc, 40, 263, 40, 278, pens.Hougan1Pen);
    ruleLine(doc, 40, 278, 77, 278, pens.Hougan1Pen);
    ruleLine(doc, 77, 278, 77, 263, pens.Hougan1Pen);
    ruleLine(doc, 77, 263, 40, 263, pens.Hougan1Pen);
    ruleLine(doc, 40, 273, 77, 273, pens.Hougan2Pen);
    ruleLine(doc, 50, 278, 50, 263, pens.Hougan2Pen);
}

// Each name stands in the header strip's cell after its label; the cell from 40 to
// 50 stays empty.
void drawNames(PlotDocument& doc, const GridPens& pens, const std::u16string& Suikei, const std::u16string& Kasen,
               const std::u16string& Kansokujo) {
    const double y = kTop + 2;
    const Int16 pen = pens.MojietcPen;
    pageText(doc, 53, y, u"水系名", 5, pen);
    pageText(doc, 78, y, Suikei, 5, pen);
    pageText(doc, 111, y, u"河川名", 5, pen);
    pageText(doc, 136, y, Kasen, 5, pen);
    pageText(doc, 168, y, u"観測所名", 5, pen);
    pageText(doc, 194, y, Kansokujo, 5, pen);
}

void drawHeaderTexts(PlotDocument& doc, const GridPens& pens, const PageHeader& h) {
    drawNames(doc, pens, h.Suikei, h.Kasen, h.Kansokujo);
    pageText(doc, 42, 274, u"種別", 3, pens.MojietcPen);
    pageText(doc, 53, 274, u"観 測 所 番 号", 3, pens.MojietcPen);
    pageText(doc, kLeft + 13.5, 266, h.Wok, 4, pens.MojietcPen, std::nullopt, kAnchorCentreBottom);
    pageText(doc, 320, kTop + 2, h.yearText, 5, pens.MojietcPen);
}

void drawAxisCaption(PlotDocument& doc, const GridPens& pens, const std::u16string& mode) {
    const double x = kLeft - 3;
    pageText(doc, x, 43, u"↑", 5, pens.MojietcPen, 1, kAnchorRightBottom);
    pageText(doc, x, 35, captionUpper(mode), 5, pens.MojietcPen, 1, kAnchorRightBottom);
    pageText(doc, x, 27, captionLower(mode), 5, pens.MojietcPen, 1, kAnchorRightBottom);
}

}  // namespace

void drawPageHeader(PlotDocument& doc, const GridPens& pens, const PageHeader& header) {
    drawStationBlock(doc, pens);
    drawHeaderTexts(doc, pens, header);
}

std::u16string pageYearText(std::int32_t year) {
    if (year <= 0) return u"平成    年（西暦      年）";
    const std::u16string western = u"（西暦 " + plainInteger(year) + u" 年）";
    const auto era = eraOf(year);
    if (!era) return western;
    return era->name + u" " + plainInteger(era->year) + u" 年" + western;
}

void drawPageCaptions(PlotDocument& doc, ChartSource& source, const GridPens& pens, SettingsStore& settings) {
    drawStationBlock(doc, pens);

    std::u16string Wok = source.KansokujoNO(), Kansokujo, Suikei, Kasen;
    source.raiseGetLKansokujo(Wok, Kansokujo, Suikei, Kasen);
    drawHeaderTexts(doc, pens, PageHeader{Wok, Kansokujo, Suikei, Kasen, pageYearText(source.Seireki())});

    const std::u16string mode = source.Mode();
    const Int32 tytle = readPen32(settings, u"TytlePen");
    doc.DrawTitle(kLeft + 130, kTop + 18, chartTitle(mode), ReservedWords{}, 9, 9, 0, plotPen(tytle), std::nullopt,
                  std::nullopt);
    drawAxisCaption(doc, pens, mode);
}

}  // namespace tellvane
