#pragma once
// A linear map between an interval of values and an interval of device coordinates
// (pixels or page units), in either direction. A y axis that grows downwards is the
// value interval given against (bottom, top): nothing else in a chart needs to know
// which way its device runs.

namespace tellvane {

class ScaleMap {
public:
    /// Maps v1 to p1 and v2 to p2. Fails with Division by zero when v1 equals v2 and
    /// with Overflow when the ends are not finite.
    ScaleMap(double v1, double v2, double p1, double p2);

    /// The device coordinate of a value; Overflow when it is not finite.
    double toDevice(double v) const;
    /// The value at a device coordinate; Division by zero when p1 equals p2.
    double toValue(double p) const;

    double v1() const { return v1_; }
    double v2() const { return v2_; }
    double p1() const { return p1_; }
    double p2() const { return p2_; }

private:
    double v1_, v2_, p1_, p2_;
    double ratio_;  ///< device units per value
};

}  // namespace tellvane
