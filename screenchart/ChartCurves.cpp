#include "screenchart/ChartCurves.h"

#include "common/RealCheck.h"
#include "common/Text.h"
#include "platform/Palette.h"

namespace tellvane {
namespace {
float f(double v) { return single(v); }
}  // namespace

void drawDailyChart(const AnnualStore& store, const ChartGeometry& g, DrawingSurface& surface) {
    const float base = (g.Yb() - 2).value();
    double prevY = 0;  // 0 means no previous point, as on the first day
    for (Int32 m = 1; m <= 12; m += 1) {
        for (Int32 d = 1; d <= 31; d += 1) {
            const std::u16string& cell = store.DayTable(m.value(), d.value());
            if (cell.empty()) continue;
            const double x = g.x(m, d);
            const double y = g.y(leadingNumber(cell));
            surface.fillBox(f(x + 1), f(y), f(x + g.daySlot() - 1), base, kLightRed);
            if (prevY != 0) surface.line(f(x), f(prevY), f(x), f(y), kMagenta);
            surface.line(f(x), f(y), f(x + g.daySlot()), f(y), kMagenta);
            prevY = y;
        }
    }
}

void drawDurationStaircase(const AnnualStore& store, const ChartGeometry& g, DrawingSurface& surface) {
    double prevX = ChartGeometry::kLeft.real();
    double prevY = 0;
    for (Int32 i = 1; store.DurDays(i.value()) > 0; i += 1) {
        const double x = g.x(Int32(store.DurDays(i.value())));
        const double y = g.y(store.DurValue(i.value()));
        if (i > 1) surface.line(f(prevX), f(prevY), f(prevX), f(y), kGreen);
        surface.line(f(prevX), f(y), f(x), f(y), kGreen);
        prevX = x;
        prevY = y;
    }
}

}  // namespace tellvane
