#pragma once
// What the comparison is drawn on: a few calls in the chart's own terms, which the
// screen's drawing surface and the page's plot document each realise in their
// own means (palette colours and pixels, or pens and page units). Coordinates are
// the device's units with the origin at the top left and y downwards.

#include <string>

namespace tellvane {

/// What a mark is, which decides how each device draws it.
enum class Ink {
    Frame,           ///< the plots' frames
    Rule,            ///< solid grid rules
    FineRule,        ///< dotted grid rules
    Text,            ///< captions and labels
    Title,           ///< the title
    OuterBand,       ///< minimum to maximum of the other years
    MiddleBand,      ///< 10 to 90 %
    InnerBand,       ///< 25 to 75 %
    Median,          ///< the other years' median of each day
    Chosen,          ///< the chosen year, daily and duration
    OtherDuration,   ///< every other year's duration curve
    MedianDuration,  ///< the period's median duration curve
};

enum class Align { Left, Centre, Right };

struct PainterSize {
    double width = 0, height = 0;
    double em = 1;  ///< the height of a caption's characters
};

class ComparePainter {
public:
    virtual ~ComparePainter() = default;
    virtual PainterSize size() = 0;
    /// The day's column of a band from x1 to x2, from value top to value bottom.
    virtual void band(double x1, double x2, double top, double bottom, Ink ink) = 0;
    virtual void line(double x1, double y1, double x2, double y2, Ink ink) = 0;
    /// A text of characters size high, its top at y, placed at x by align.
    virtual void text(double x, double y, const std::u16string& text, double size, Align align, Ink ink) = 0;
};

/// The width of a text in characters' heights: IPA Gothic sets half-width forms
/// (ASCII, Latin-1, half-width katakana) in half an em and every other character
/// in a whole one.
double textEms(const std::u16string& text);

}  // namespace tellvane
