#include "comparechart/CompareLayout.h"

#include "comparechart/CalendarDays.h"

namespace tellvane {
namespace {

// In characters' heights: the rows above the plots, the month labels and the table
// below them, the value labels on the left, the gap between the plots.
constexpr double kPlotTop = 5.6, kBelowPlot = 7.4, kTableRows = 5.4, kLeftLabels = 4.6, kGap = 1.6, kRightMargin = 1.0;
// The share of the width left of the duration plot.
constexpr double kDailyShare = 0.70;

}  // namespace

CompareLayout compareLayout(PainterSize size, const ValueAxis& axis) {
    const double e = size.em;
    const Rect daily{kLeftLabels * e, kPlotTop * e, size.width * kDailyShare, size.height - kBelowPlot * e};
    const Rect duration{daily.right + kGap * e, daily.top, size.width - kRightMargin * e, daily.bottom};
    return {size,
            axis,
            daily,
            duration,
            0.4 * e,
            2.5 * e,
            4.0 * e,
            size.height - kTableRows * e,
            ScaleMap(axis.low, axis.high, daily.bottom, daily.top),
            ScaleMap(0, kDaySlots, daily.left, daily.right),
            ScaleMap(0, kDaySlots, duration.left, duration.right)};
}

}  // namespace tellvane
