#pragma once
// The screen chart's geometry, derived anew for every drawing from the surface's
// size and the axis texts: the base line, plot size, pixels per quarter of the
// value axis and per month, and the value-to-y and time-to-x mappings.

#include "chartinput/ChartSource.h"
#include "common/CheckedInt.h"
#include "platform/DrawingSurface.h"

namespace tellvane {

class ChartGeometry {
public:
    /// Left edge of the plot, in pixels.
    static constexpr Int16 kLeft = 30;

    /// Reads the surface's scale height, width and height again, and the axis texts.
    ChartGeometry(const ChartSource& source, DrawingSurface& surface);

    Int16 Yb() const { return Yb_; }   ///< base line: y of the axis minimum and the frame's bottom
    Int16 Wp() const { return Wp_; }   ///< plot width
    Int16 Hp() const { return Hp_; }   ///< plot height
    Int16 Pq() const { return Pq_; }   ///< pixels per quarter of the value axis
    Int16 Pm() const { return Pm_; }   ///< pixels per month
    double Vq() const { return Vq_; }  ///< value per quarter of the value axis

    /// The axis minimum, read from the text again at every use.
    double Vmin() const;
    /// y of a value; Division by zero when the axis limits are equal.
    double y(double v) const;
    /// x where day d of month m begins; every month holds 31 day slots.
    double x(Int32 m, Int32 d) const;
    /// x at a count of n days from the left edge.
    double x(Int32 n) const;
    /// Width of one day slot.
    double daySlot() const { return Pm_.real() / 31; }

private:
    const ChartSource& source_;
    Int16 Yb_, Wp_, Hp_, Pq_, Pm_;
    double Vq_;
};

}  // namespace tellvane
