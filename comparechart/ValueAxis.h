#pragma once
// The value axis of the comparison: a range that holds every value drawn, on whole
// steps of 1, 2, 2.5 or 5 times a power of ten, four to ten steps in all.

#include <optional>

namespace tellvane {

struct ValueAxis {
    double low = 0, high = 1;  ///< the axis ends, whole steps
    double step = 0.25;        ///< between labelled rules
    /// The count of steps from low to high.
    int steps() const;
};

/// The axis for values from lowest to highest; 0 to 1 when there are none, and a
/// step around a single value.
ValueAxis valueAxis(std::optional<double> lowest, std::optional<double> highest);

}  // namespace tellvane
