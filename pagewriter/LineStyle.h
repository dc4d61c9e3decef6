#pragma once
// What DrawLine's three optional values select: the line type, the scale of its
// pattern, and a factor on the pen's width.

#include <vector>

#include "pagewriter/PageSetup.h"
#include "platform/PlotDocument.h"

namespace tellvane::pagewriter {

enum class LineType { Solid = 0, Dashed = 1, Dotted = 2, DashDot = 3 };

struct LineStyle {
    LineType type = LineType::Solid;
    int patternScale = 1;  ///< multiplies every dash, dot and gap, 1 to 10
    int widthFactor = 1;   ///< multiplies the pen's width, 1 to 10
    friend bool operator==(const LineStyle&, const LineStyle&) = default;
};

/// The style of the optional values (type, pattern scale, width factor); each left
/// out gives solid, 1 and 1. Other values are refused with kDrawingRefused.
LineStyle lineStyle(OptionalValue type, OptionalValue patternScale, OptionalValue widthFactor);

/// The pattern as alternating drawn and blank lengths in millimetres; empty for solid.
std::vector<double> dashPattern(const LineStyle& style, const PageSetup& setup);

}  // namespace tellvane::pagewriter
