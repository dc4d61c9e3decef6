#include "screenchart/ChartCaptions.h"

#include "chartinput/DataKind.h"
#include "common/Era.h"
#include "common/RealCheck.h"
#include "common/Rounding.h"
#include "common/Text.h"
#include "platform/Palette.h"

namespace tellvane {
namespace {

// Station and year lines need room: they are printed only on a surface wider than
// 7500 twips (500 pixels at 96 DPI).
constexpr float kWideSurfaceTwips = 7500;

float f(Int16 v) { return static_cast<float>(v.value()); }
float f(double v) { return single(v); }

void printAt(DrawingSurface& surface, float x, float y, const std::u16string& text) {
    surface.setTextPos(x, y);
    surface.print(text);
}

}  // namespace

std::u16string screenYearLine(std::int32_t year) {
    const std::u16string western = u"( " + plainInteger(year) + u" )";
    const auto era = eraOf(year);
    if (!era) return western;
    return era->name + u" " + plainInteger(era->year) + u" 年  " + western;
}

void drawCaptions(ChartSource& source, const ChartGeometry& g, DrawingSurface& surface) {
    const Int16 left = ChartGeometry::kLeft;
    const std::u16string station = source.KansokujoNO();
    if (surface.outerWidth() > kWideSurfaceTwips) printAt(surface, 40, 20, u"観測所番号 ： " + station);

    std::u16string wok = station, kansokujo, suikei, kasen;
    source.raiseGetLKansokujo(wok, kansokujo, suikei, kasen);
    printAt(surface, 40, 40, u"水系名 ： " + suikei + u"　　河川名 ： " + kasen + u"　　観測所名 ： " + kansokujo);

    // Both conditions are evaluated, as the station line's test reads the width too.
    const bool dated = source.Seireki() != 0;
    if (surface.outerWidth() > kWideSurfaceTwips && dated)
        printAt(surface, f(left + g.Wp() - 125), 40, screenYearLine(source.Seireki()));

    const std::u16string& mode = source.Mode();
    surface.setTextColor(kLightMagenta);
    surface.setFontBold(true);
    surface.setFontSize(16);
    printAt(surface, f(g.Wp().real() / 2 + 30 - 90), 10, chartTitle(mode));
    surface.setFontBold(false);
    surface.setFontSize(10);

    printAt(surface, 10, f(g.Yb() - 50), u"↑");
    printAt(surface, 10, f(g.Yb() - 35), captionUpper(mode));
    printAt(surface, 10, f(g.Yb() - 20), captionLower(mode));

    const float boxLeft = f(left + g.Wp() - 155), boxRight = f(left + g.Wp() - 42);
    surface.fillBox(boxLeft, 62, boxRight, 170, kBrightWhite);
    surface.box(boxLeft, 62, boxRight, 170, kGrey);
    const float rowX = f(left + g.Wp() - 150);
    for (int k = 1; k <= 7; ++k) {
        const std::u16string value = twoDecimal(Round2(source.store().Stats(k)));
        printAt(surface, rowX, static_cast<float>(15 * k + 50), statisticsLabel(mode, k) + u" ： " + value);
    }
}

}  // namespace tellvane
