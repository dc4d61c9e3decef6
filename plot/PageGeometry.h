#pragma once
// The plotted page's coordinate system: page units, x to the right, y upward. The
// plot area's corners are fixed; the value scale follows the axis texts.

#include "chartinput/ChartSource.h"

namespace tellvane {

class PageGeometry {
public:
    static constexpr double kPlotLeft = 50;                        ///< x of the value axis
    static constexpr double kPlotWidth = 350;                      ///< the right edge stands at 400
    static constexpr double kPlotBottom = 20;                      ///< y of the time axis
    static constexpr double kPlotHeight = 230;                     ///< the upper edge stands at 250
    static constexpr double kPlotRight = kPlotLeft + kPlotWidth;   ///< x of the right edge
    static constexpr double kPlotTop = kPlotBottom + kPlotHeight;  ///< y of the upper edge

    /// Reads the axis texts: ValueStep, then MajorStep and MonthWidth. Fails with
    /// Overflow when the limits are too far apart for a finite step.
    explicit PageGeometry(const ChartSource& source);

    double ValueStep() const { return ValueStep_; }    ///< value per quarter of the value axis
    double MajorStep() const { return MajorStep_; }    ///< page units per quarter of the value axis
    double MonthWidth() const { return MonthWidth_; }  ///< page units per month

    /// The axis minimum, read from its text anew at every use.
    double Vmin() const;
    /// y of a value; Division by zero when the axis limits are equal.
    double y(double v) const;
    /// x where day d of month m begins; every month holds 31 day slots.
    double x(int m, int d) const;
    /// x at a count of n days from the value axis, 31 to a month.
    double x(long long n) const;
    /// Width of one day slot.
    double daySlot() const { return MonthWidth_ / 31; }

private:
    const ChartSource& source_;
    double ValueStep_, MajorStep_, MonthWidth_;
};

}  // namespace tellvane
