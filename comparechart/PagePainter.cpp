#include "comparechart/PagePainter.h"

#include <algorithm>
#include <cmath>

namespace tellvane {
namespace {

// The page writer's pens: 0 black, 1 wide black, 2 red, 3 blue, 7 grey.
constexpr std::int32_t kBlack = 0, kWideBlack = 1, kRed = 2, kBlue = 3, kGreyPen = 7;
constexpr std::int32_t kSolid = 0, kDotted = 2;
// Hatch lines stand about this far apart (mm): one to a day of the daily plot.
constexpr double kHatchPitch = 0.8;

struct Pen {
    std::int32_t pen, type, widthFactor;
};

Pen penOf(Ink ink) {
    switch (ink) {
        case Ink::Frame:
            return {kWideBlack, kSolid, 1};
        case Ink::Rule:
            return {kGreyPen, kSolid, 1};
        case Ink::FineRule:
            return {kGreyPen, kDotted, 1};
        case Ink::OuterBand:
            return {kGreyPen, kSolid, 1};
        case Ink::MiddleBand:
            return {kGreyPen, kSolid, 2};
        case Ink::InnerBand:
            return {kGreyPen, kSolid, 3};
        case Ink::Median:
            return {kBlue, kSolid, 1};
        case Ink::Chosen:
            return {kRed, kSolid, 2};
        case Ink::OtherDuration:
            return {kGreyPen, kSolid, 1};
        case Ink::MedianDuration:
            return {kBlue, kSolid, 2};
        default:
            return {kBlack, kSolid, 1};
    }
}

}  // namespace

void PagePainter::setUp() {
    doc_.SetupValue10(1.0);
    doc_.SetupValue11(3);
    doc_.SetupValue12(true);
    doc_.StartDocument();
    doc_.SetupValue1(u"");
    doc_.SetupValue6(0);
    doc_.SetupValue7(0);
    doc_.SetupValue8(1);
    doc_.SetupValue9(0);
    doc_.SetupValue3(1.0);  // the gap between the dots of the fine rules
}

PainterSize PagePainter::size() { return {kSheetWidth - 2 * kMargin, kSheetHeight - 2 * kMargin, kEm}; }

void PagePainter::band(double x1, double x2, double top, double bottom, Ink ink) {
    const Pen p = penOf(ink);
    const double width = std::abs(x2 - x1);
    const int lines = std::max(1, static_cast<int>(std::lround(width / kHatchPitch)));
    for (int i = 0; i < lines; ++i) {
        const double x = pageX(std::min(x1, x2) + (i + 0.5) * width / lines);
        doc_.DrawLine(x, pageY(top), x, pageY(bottom), PlotPen(p.pen), p.type, 1, p.widthFactor);
    }
}

void PagePainter::line(double x1, double y1, double x2, double y2, Ink ink) {
    const Pen p = penOf(ink);
    doc_.DrawLine(pageX(x1), pageY(y1), pageX(x2), pageY(y2), PlotPen(p.pen), p.type, 1, p.widthFactor);
}

void PagePainter::text(double x, double y, const std::u16string& text, double size, Align align, Ink ink) {
    // Anchor codes: 6 left, 7 centre, 8 right, each at the text's top.
    const std::int32_t anchor = align == Align::Left ? 6 : align == Align::Centre ? 7 : 8;
    if (ink == Ink::Title) {
        doc_.DrawTitle(pageX(x), pageY(y), text, ReservedWords{}, size, size, 0, PlotPen(kBlack), 1, anchor);
        return;
    }
    doc_.DrawText(pageX(x), pageY(y), text, ReservedWords{}, size, size, 0, PlotPen(kBlack), 1, anchor);
}

}  // namespace tellvane
