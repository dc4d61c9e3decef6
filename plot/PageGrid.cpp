#include "plot/PageGrid.h"

#include "common/Text.h"
#include "plot/PageDrawing.h"

namespace tellvane {
namespace {

constexpr double kLeft = PageGeometry::kPlotLeft;
constexpr double kRight = PageGeometry::kPlotRight;
constexpr double kBottom = PageGeometry::kPlotBottom;
constexpr double kTop = PageGeometry::kPlotTop;
constexpr double kStripLeft = kLeft - 10;     // the left strip's outer edge
constexpr double kLabelFloor = kBottom - 10;  // the month-label strip's lower edge
constexpr double kHeaderTop = kTop + 10;      // the header strip's upper edge
constexpr double kHeaderRight = 224;          // the header strip's right end

// The statistics box sits on the rule 12 fifths of a quarter above the time axis;
// the ten-day rules of its two months stop there.
double boxFloor(const PageGeometry& g) { return kBottom + 12 * g.MajorStep() / 5; }

void drawValueRules(PlotDocument& doc, const PageGeometry& g, const GridPens& pens) {
    for (int k = 0; k <= 4; ++k) {
        const double y = kBottom + k * g.MajorStep();
        if (k < 4) ruleLine(doc, kLeft, y, kRight, y, pens.Hougan1Pen);
        pageText(doc, kLeft - 1, y, twoDecimal(g.Vmin() + k * g.ValueStep()), 3, pens.MojietcPen, 1,
                 kAnchorRightMiddle);
    }
}

void drawMonthRules(PlotDocument& doc, const PageGeometry& g, const GridPens& pens) {
    for (int m = 1; m <= 12; ++m) {
        const double x = kLeft + m * g.MonthWidth();
        if (m < 12) ruleLine(doc, x, kLabelFloor, x, kTop, pens.Hougan1Pen);
        pageText(doc, x - g.MonthWidth() / 2, kBottom - 4.5, fullWidth(plainInteger(m)) + u"月", 4, pens.MojietcPen, 1,
                 kAnchorCentreTop);
    }
}

void drawMinorValueRules(PlotDocument& doc, const PageGeometry& g, const GridPens& pens) {
    for (int k = 1; k <= 20; ++k) {
        if (k % 5 == 0) continue;
        const double y = kBottom + k * g.MajorStep() * 0.2;
        ruleLine(doc, kLeft, y, kRight, y, pens.Hougan2Pen);
    }
}

void drawTenDayRules(PlotDocument& doc, const PageGeometry& g, const GridPens& pens) {
    for (int j = 1; j <= 36; ++j) {
        if (j % 3 == 0) continue;
        const double x = kLeft + j * g.MonthWidth() / 3;
        const bool underBox = j == 28 || j == 29 || j == 31 || j == 32;
        ruleLine(doc, x, kBottom, x, underBox ? boxFloor(g) : kTop, pens.Hougan2Pen);
        pageText(doc, x, kBottom - 1, plainInteger(j % 3 * 10), 2.5, pens.MojietcPen, 1, kAnchorCentreTop);
    }
}

}  // namespace

void drawPageFrame(PlotDocument& doc, const GridPens& pens) {
    const Int16 pen = pens.Hougan1Pen;
    ruleLine(doc, kLeft, kLabelFloor, kLeft, kTop, pen);
    ruleLine(doc, kLeft, kTop, kRight, kTop, pen);
    ruleLine(doc, kRight, kTop, kRight, kLabelFloor, pen);
    ruleLine(doc, kRight, kBottom, kLeft, kBottom, pen);
    ruleLine(doc, kRight, kLabelFloor, kStripLeft, kLabelFloor, pen);
    ruleLine(doc, kStripLeft, kLabelFloor, kStripLeft, kHeaderTop, pen);
    ruleLine(doc, kStripLeft, kHeaderTop, kHeaderRight, kHeaderTop, pen);
    ruleLine(doc, kHeaderRight, kHeaderTop, kHeaderRight, kTop, pen);
    for (const double x : {50.0, 73.0, 108.0, 131.0, 166.0, 189.0})
        ruleLine(doc, x, kHeaderTop, x, kTop, pens.Hougan2Pen);
}

void drawPageGrid(PlotDocument& doc, const PageGeometry& g, const GridPens& pens) {
    drawValueRules(doc, g, pens);
    drawMonthRules(doc, g, pens);
    drawMinorValueRules(doc, g, pens);
    drawTenDayRules(doc, g, pens);
    ruleLine(doc, kLeft + 9 * g.MonthWidth(), boxFloor(g), kLeft + 11 * g.MonthWidth(), boxFloor(g), pens.Hougan1Pen);
}

}  // namespace tellvane
