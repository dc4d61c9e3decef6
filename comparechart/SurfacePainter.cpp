#include "comparechart/SurfacePainter.h"

#include <algorithm>
#include <cmath>

#include "common/RealCheck.h"
#include "platform/Palette.h"

namespace tellvane {
namespace {

constexpr int kNavy = 1, kSilver = 7;

struct Pen {
    int palette;
    int width;
    LineStyle style;
};

Pen penOf(Ink ink) {
    switch (ink) {
        case Ink::Frame:
            return {kGrey, 2, LineStyle::Solid};
        case Ink::Rule:
            return {kGrey, 1, LineStyle::Solid};
        case Ink::FineRule:
            return {kGrey, 1, LineStyle::Dotted};
        case Ink::Median:
            return {kNavy, 1, LineStyle::Solid};
        case Ink::Chosen:
            return {kLightRed, 2, LineStyle::Solid};
        case Ink::OtherDuration:
            return {kGrey, 1, LineStyle::Solid};
        case Ink::MedianDuration:
            return {kNavy, 2, LineStyle::Solid};
        default:
            return {kMagenta, 1, LineStyle::Solid};
    }
}

// A coordinate on whole pixels, as the surface rounds it; far beyond any surface's
// 16-bit sides it stays there rather than overflow an int.
int whole(double v) { return static_cast<int>(std::clamp(std::floor(single(v) + 0.5f), -1e6f, 1e6f)); }

}  // namespace

PainterSize SurfacePainter::size() { return {surface_.scaleWidth(), surface_.scaleHeight(), kEmPixels}; }

// Every other pixel in the colour, alternating by row and column, so that the
// lighter shade never makes stripes.
void SurfacePainter::checkerboard(int left, int right, int top, int bottom, int palette) {
    surface_.setLineStyle(LineStyle::Dotted);
    for (int x = left; x < right; ++x) {
        const int start = top + ((x + top) & 1);
        if (start <= bottom)
            surface_.line(static_cast<float>(x), static_cast<float>(start), static_cast<float>(x),
                          static_cast<float>(bottom), palette);
    }
    surface_.setLineStyle(LineStyle::Solid);
}

// A day's column covers its pixels up to the next day's first.
void SurfacePainter::band(double x1, double x2, double top, double bottom, Ink ink) {
    const int left = whole(std::min(x1, x2)), right = std::max(left + 1, whole(std::max(x1, x2)));
    const int upper = whole(std::min(top, bottom)), lower = whole(std::max(top, bottom));
    if (ink == Ink::MiddleBand) {
        surface_.fillBox(static_cast<float>(left), static_cast<float>(upper), static_cast<float>(right - 1),
                         static_cast<float>(lower), kSilver);
        return;
    }
    checkerboard(left, right, upper, lower, ink == Ink::OuterBand ? kSilver : kGrey);
}

void SurfacePainter::line(double x1, double y1, double x2, double y2, Ink ink) {
    const Pen pen = penOf(ink);
    surface_.setLineWidth(pen.width);
    surface_.setLineStyle(pen.style);
    surface_.line(single(x1), single(y1), single(x2), single(y2), pen.palette);
    surface_.setLineWidth(1);
    surface_.setLineStyle(LineStyle::Solid);
}

void SurfacePainter::text(double x, double y, const std::u16string& text, double size, Align align, Ink ink) {
    const double width = textEms(text) * size;
    const double left = align == Align::Left ? x : align == Align::Centre ? x - width / 2 : x - width;
    surface_.setTextColor(ink == Ink::Title ? kLightMagenta : kMagenta);
    surface_.setFontBold(ink == Ink::Title);
    surface_.setFontSize(single(size * 72 / 96));
    surface_.setTextPos(single(left), single(y));
    surface_.print(text);
}

}  // namespace tellvane
