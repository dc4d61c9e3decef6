#pragma once
// The axis limits a user types for the chart, checked before any host hands them to
// the control: the control reads whatever a text starts with and charts it, so a
// typing slip would draw a wrong or blank chart instead of being refused.

#include <string_view>

namespace tellvane {

/// What is wrong with one limit; each host words it beside its field.
enum class LimitProblem {
    None,
    NotANumber,     ///< not a number as the readings are written (ASCII, decimal point, optional exponent)
    TooLarge,       ///< of a magnitude no reading may have (kLargestReading or more)
    NotAboveLower,  ///< the upper limit only: not above the lower one
};

struct AxisLimitsCheck {
    LimitProblem upper = LimitProblem::None;
    LimitProblem lower = LimitProblem::None;

    bool ok() const { return upper == LimitProblem::None && lower == LimitProblem::None; }
};

/// Checks the upper and lower limit as typed; blanks around a number are allowed.
/// The upper is compared with the lower only when both are good numbers.
AxisLimitsCheck checkAxisLimits(std::string_view upper, std::string_view lower);

/// A short English name of the problem ("not a number", ...), empty for None.
const char* limitProblemText(LimitProblem problem);

}  // namespace tellvane
