#include "plot/PageCurves.h"

#include "common/Text.h"
#include "plot/PlotPens.h"

namespace tellvane {
namespace {

constexpr double kLeft = PageGeometry::kPlotLeft;
constexpr double kRight = PageGeometry::kPlotRight;
constexpr double kTop = PageGeometry::kPlotTop;

// Staircase and step line leave the first two optional values out; leaders give all three.
void curveLine(PlotDocument& doc, double x1, double y1, double x2, double y2, const PlotPen& pen) {
    doc.DrawLine(x1, y1, x2, y2, pen, std::nullopt, std::nullopt, 1);
}
void leaderLine(PlotDocument& doc, double x1, double y1, double x2, double y2, const PlotPen& pen) {
    doc.DrawLine(x1, y1, x2, y2, pen, 1, 1, 1);
}

// The middle of the day slot of the rank that defines Stats(k), on the 31-days-to-
// a-month scale: rank 1, 95, 185, 275, 355 and 365.
constexpr double kLeaderDay[7] = {0, 0.5, 94.5, 184.5, 274.5, 354.5, 364.5};

}  // namespace

void drawDurationStaircase(PlotDocument& doc, const AnnualStore& store, const PageGeometry& g, const PlotPen& pen) {
    double prevX = kLeft, prevY = 0;
    for (long long i = 1; store.DurDays(i) > 0; ++i) {
        const double x = g.x(static_cast<long long>(store.DurDays(i)));
        const double y = g.y(store.DurValue(i));
        if (i > 1) curveLine(doc, prevX, prevY, prevX, y, pen);
        curveLine(doc, prevX, y, x, y, pen);
        prevX = x;
        prevY = y;
    }
}

void drawLeaders(PlotDocument& doc, const AnnualStore& store, const PageGeometry& g, const PlotPen& pen) {
    for (int k = 1; k <= 6; ++k) {
        const double x = kLeft + g.MonthWidth() * kLeaderDay[k] / 31;
        const double y = g.y(store.Stats(k));
        const double row = kTop - (k + 0.5) * g.MajorStep() / 5;
        // The first four end left of the table, the last two right of it.
        const double end = k <= 4 ? kRight - 3 * g.MonthWidth() - 1 : kRight - g.MonthWidth() + 1;
        leaderLine(doc, x, y, x, row, pen);
        leaderLine(doc, x, row, end, row, pen);
    }
}

void drawDailyStepLine(PlotDocument& doc, const AnnualStore& store, const PageGeometry& g, std::u16string penText) {
    bool first = true;
    double prevY = 0;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= 31; ++d) {
            const std::u16string& cell = store.DayTable(m, d);
            if (cell.empty()) continue;
            const double x = g.x(m, d);
            const double y = g.y(leadingNumber(cell));
            penText = stepLinePen(penText);
            const PlotPen pen(penText);
            if (!first) curveLine(doc, x, prevY, x, y, pen);
            curveLine(doc, x, y, x + g.daySlot(), y, pen);
            prevY = y;
            first = false;
        }
    }
}

}  // namespace tellvane
