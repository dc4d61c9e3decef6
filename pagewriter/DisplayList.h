#pragma once
// The page as recorded: every line and text in page units, checked when it is drawn
// so that a refused value fails the call that brought it, not the output.

#include <string>
#include <variant>
#include <vector>

#include "pagewriter/LineStyle.h"
#include "pagewriter/PageSetup.h"
#include "platform/PlotDocument.h"

namespace tellvane::pagewriter {

struct LineOp {
    Vec2 from, to;  ///< page units
    std::int32_t pen;
    LineStyle style;
};

struct TextOp {
    Vec2 at;  ///< the anchor point, page units
    std::u16string text;
    double width, height;  ///< one full-width character's box
    bool millimetres;      ///< sizes in millimetres on the paper rather than page units
    double rotation;       ///< degrees, counter-clockwise about the anchor point
    std::int32_t pen;
    int anchor;  ///< 0 to 8: c mod 3 left, centre, right; c div 3 bottom, middle, top
    bool bold;
};

using DrawOp = std::variant<LineOp, TextOp>;

class DisplayList {
public:
    /// Records a line; refuses coordinates that are not finite and unknown styles.
    void addLine(double x1, double y1, double x2, double y2, const PlotPen& pen, OptionalValue type,
                 OptionalValue patternScale, OptionalValue widthFactor);
    /// Records a text; refuses reserved words other than 0, sizes that are not
    /// positive, options other than 0 and 1 and anchor codes outside 0 to 8.
    void addText(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
                 double height, double extra, const PlotPen& pen, OptionalValue option, OptionalValue anchor,
                 bool bold);

    const std::vector<DrawOp>& ops() const { return ops_; }
    /// The text of the last bold text (the title), for the file's metadata.
    const std::u16string& title() const { return title_; }

private:
    std::vector<DrawOp> ops_;
    std::u16string title_;
};

}  // namespace tellvane::pagewriter
