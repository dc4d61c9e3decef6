#include "pagewriter/LineStyle.h"

#include <string>

#include "common/Error.h"
#include "pagewriter/PageErrors.h"

namespace tellvane::pagewriter {

namespace {

// Short enough to read as a dot, long enough to survive a hairline pen.
constexpr double kDotLength = 0.3;

int checked(OptionalValue v, const char* what, int first, int last, int leftOut) {
    if (!v) return leftOut;
    if (*v < first || *v > last)
        throw Error(kDrawingRefused, std::string("DrawLine refused: ") + what + " " + std::to_string(*v) +
                                         " is not one of " + std::to_string(first) + " to " + std::to_string(last));
    return *v;
}

}  // namespace

LineStyle lineStyle(OptionalValue type, OptionalValue patternScale, OptionalValue widthFactor) {
    return {static_cast<LineType>(checked(type, "line type", 0, 3, 0)),
            checked(patternScale, "pattern scale", 1, 10, 1), checked(widthFactor, "width factor", 1, 10, 1)};
}

std::vector<double> dashPattern(const LineStyle& style, const PageSetup& setup) {
    const double s = style.patternScale;
    const double dash = setup.dashLength() * s, gap = setup.gapLength() * s, dot = kDotLength * s;
    switch (style.type) {
        case LineType::Solid:
            return {};
        case LineType::Dashed:
            return {dash, gap};
        case LineType::Dotted:
            return {dot, gap};
        case LineType::DashDot:
            return {setup.longDashLength() * s, gap, dot, gap};
    }
    return {};
}

}  // namespace tellvane::pagewriter
