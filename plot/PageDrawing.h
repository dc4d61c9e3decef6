#pragma once
// The two calls most of the page is made of, with the arguments that never vary.

#include <optional>
#include <string>

#include "plot/PlotPens.h"

namespace tellvane {

/// A line with a number pen and the optional values left out.
inline void ruleLine(PlotDocument& doc, double x1, double y1, double x2, double y2, Int16 pen) {
    doc.DrawLine(x1, y1, x2, y2, plotPen(pen), std::nullopt, std::nullopt, std::nullopt);
}

/// A text whose characters are size wide and high, extra value and reserved words 0.
inline void pageText(PlotDocument& doc, double x, double y, const std::u16string& text, double size, Int16 pen,
                     OptionalValue option = std::nullopt, OptionalValue anchor = std::nullopt) {
    doc.DrawText(x, y, text, ReservedWords{}, size, size, 0, plotPen(pen), option, anchor);
}

/// Anchor codes: c mod 3 picks left, centre or right end, c div 3 bottom, middle or top.
enum Anchor : std::int32_t {
    kAnchorLeftBottom = 0,
    kAnchorCentreBottom = 1,
    kAnchorRightBottom = 2,
    kAnchorRightMiddle = 5,
    kAnchorCentreTop = 7,
};

}  // namespace tellvane
