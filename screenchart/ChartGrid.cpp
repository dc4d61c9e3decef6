#include "screenchart/ChartGrid.h"

#include "common/RealCheck.h"
#include "common/Text.h"
#include "platform/Palette.h"

namespace tellvane {
namespace {
float f(Int16 v) { return static_cast<float>(v.value()); }
float f(double v) { return single(v); }
}  // namespace

void drawFrame(const ChartGeometry& g, DrawingSurface& surface) {
    const Int16 left = ChartGeometry::kLeft;
    surface.setLineWidth(2);
    surface.box(f(left), f(g.Yb()), f(left + g.Wp()), f(g.Yb() - g.Hp()), kGrey);
    surface.setLineWidth(1);
}

void drawValueGrid(const ChartGeometry& g, DrawingSurface& surface) {
    const Int16 left = ChartGeometry::kLeft;
    const float right = f(left + g.Wp());
    for (Int32 k = 0; k <= 20; k += 1) {
        const double y = g.Yb().real() - (widen(g.Pq()) * k).real() / 5;
        if (imod(k, Int32(5)) == 0) {
            surface.setLineStyle(LineStyle::Solid);
            surface.setTextPos(5, f(y - 6));
            surface.print(twoDecimal(g.Vmin() + k.real() / 5 * g.Vq()));
        } else {
            surface.setLineStyle(LineStyle::Dotted);
        }
        if (k > 0 && k < 20) surface.line(f(left), f(y), right, f(y), kGrey);
    }
}

void drawMonthGrid(const ChartGeometry& g, DrawingSurface& surface) {
    const Int16 left = ChartGeometry::kLeft;
    const float bottom = f(g.Yb());
    const float top = f(g.Yb() - g.Hp());
    for (Int32 j = 1; j <= 36; j += 1) {
        const double x = left.real() + (widen(g.Pm()) * j).real() / 3;
        if (imod(j, Int32(3)) == 0) {
            surface.setLineStyle(LineStyle::Solid);
            surface.setTextPos(f(x - g.Pm().real() / 2 - 10), f(g.Yb() + 4));
            surface.print(plainInteger(idiv(j, Int32(3)).value()) + u"月");
        } else {
            surface.setLineStyle(LineStyle::Dotted);
        }
        if (j < 36) surface.line(f(x), bottom, f(x), top, kGrey);
    }
}

}  // namespace tellvane
