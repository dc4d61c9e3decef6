#pragma once

namespace tellvane {

struct AxisRange {
    double hi;
    double lo;
};

/// A tidy value-axis range around the year's extremes: whole units in quarters when
/// they lie more than 10 apart, half units in halves otherwise, a small
/// non-negative lower limit snapped to 0. A year without data gets 0 to 2.
AxisRange axisRange(bool haveData, double yMin, double yMax);

}  // namespace tellvane
