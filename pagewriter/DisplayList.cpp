#include "pagewriter/DisplayList.h"

#include <cmath>
#include <string>

#include "common/Error.h"
#include "pagewriter/PageErrors.h"
#include "pagewriter/PenTable.h"

namespace tellvane::pagewriter {

namespace {

// Far larger than any sheet, small enough that page arithmetic stays exact.
constexpr double kLargest = 1e6;

[[noreturn]] void refuse(const char* call, const std::string& why) {
    throw Error(kDrawingRefused, std::string(call) + " refused: " + why);
}

double coordinate(const char* call, double v) {
    if (!(std::fabs(v) <= kLargest)) refuse(call, "a coordinate is not a finite number within ±1e6");
    return v;
}

double size(const char* call, double v) {
    if (!(v > 0.0 && v <= kLargest)) refuse(call, "a character size must be above 0 and at most 1e6");
    return v;
}

}  // namespace

void DisplayList::addLine(double x1, double y1, double x2, double y2, const PlotPen& pen, OptionalValue type,
                          OptionalValue patternScale, OptionalValue widthFactor) {
    const char* call = "DrawLine";
    LineOp op{{coordinate(call, x1), coordinate(call, y1)},
              {coordinate(call, x2), coordinate(call, y2)},
              penNumber(pen),
              lineStyle(type, patternScale, widthFactor)};
    ops_.emplace_back(op);
}

void DisplayList::addText(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
                          double height, double extra, const PlotPen& pen, OptionalValue option, OptionalValue anchor,
                          bool bold) {
    const char* call = bold ? "DrawTitle" : "DrawText";
    for (const std::int32_t word : reserved)
        if (word != 0) refuse(call, "the five reserved words must be 0");
    if (option && *option != 0 && *option != 1) refuse(call, "option " + std::to_string(*option) + " is not 0 or 1");
    if (anchor && (*anchor < 0 || *anchor > 8))
        refuse(call, "anchor code " + std::to_string(*anchor) + " is not one of 0 to 8");
    if (!std::isfinite(extra)) refuse(call, "the rotation is not a finite number");
    TextOp op{{coordinate(call, x), coordinate(call, y)},
              text,
              size(call, width),
              size(call, height),
              option.value_or(0) == 1,
              extra,
              penNumber(pen),
              anchor.value_or(0),
              bold};
    if (bold) title_ = op.text;
    ops_.emplace_back(std::move(op));
}

}  // namespace tellvane::pagewriter
