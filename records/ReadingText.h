#pragma once
// What a reading in a data file may be written as. Both readers share the bounds,
// so that no file can hand the control a number it was never meant to chart.

#include <optional>
#include <string>
#include <string_view>

#include "records/InputError.h"

namespace tellvane {

/// Readings of this magnitude or more are refused: no stage in metres or discharge
/// in m³/s comes near it, and the chart's labels and sums stay in range.
inline constexpr double kLargestReading = 1e9;

/// The water information database's own missing value.
inline constexpr double kDatabaseMissingValue = -9999.0;

/// The value of a plain decimal number: an optional sign, digits with an optional
/// fraction (at least one digit on either side of the point), an optional exponent
/// (e or E, optional sign, digits), ASCII only; nullopt for anything else.
std::optional<double> plainDecimalValue(std::string_view text);

/// The text of one hourly reading of the CSV as the control is to get it (a part of
/// cell): empty for no reading (an empty cell, -9999 written as any decimal, or one
/// of the marks $, # and -), the number without the blanks around it otherwise
/// (-999 stays: the control's own missing marker). Anything else fails at the
/// place, naming the hour and the text; so does a magnitude of kLargestReading or more.
std::string_view hourReading(std::string_view cell, int hour, const InputPlace& place);

/// Fails at the place unless |value| < kLargestReading; what names the value.
void checkMagnitude(double value, const std::string& what, const InputPlace& place);

}  // namespace tellvane
