#pragma once
// Where the comparison's parts stand on a device, in its units (origin top left, y
// downwards), measured in characters' heights so that a screen and a page share it:
// title, names and legend rows; the daily plot on the left and the duration plot on
// the right, both on one value scale; the table of the seven values below them.

#include "chartinput/ScaleMap.h"
#include "comparechart/ComparePainter.h"
#include "comparechart/ValueAxis.h"

namespace tellvane {

struct Rect {
    double left = 0, top = 0, right = 0, bottom = 0;
};

struct CompareLayout {
    PainterSize size;
    ValueAxis axis;
    Rect daily;        ///< the daily plot
    Rect duration;     ///< the duration plot
    double titleTop;   ///< the title's top
    double namesTop;   ///< the station's names and the year
    double legendTop;  ///< the legend
    double tableTop;   ///< the table of the seven values
    ScaleMap value;    ///< value to y, in both plots
    ScaleMap day;      ///< calendar slot (0 to 366, its left edge) to x of the daily plot
    ScaleMap rank;     ///< rank (0 to 366, a day's left edge) to x of the duration plot
};

CompareLayout compareLayout(PainterSize size, const ValueAxis& axis);

}  // namespace tellvane
