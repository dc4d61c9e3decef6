#pragma once
// What a reading in a data file may be written as. Both readers share the bounds,
// so that no file can hand the control a number it was never meant to chart.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/InputError.h"
#include "yeardata/BlockSyukei.h"

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

/// hourReading of a cell not of the short form (shortReadingAt gives nullptr).
std::string_view otherHourReading(std::string_view cell, int hour, const InputPlace& place);

/// The form nearly every reading has, an optional minus, one to nine digits, a point
/// and one to six digits, decided and read as a number in one pass with one test a
/// byte, from p to the first comma or to end: where it ends (that comma, or end),
/// with value the number as the control reads its text, kNoReading for -9999 (by
/// value: leading zeros and trailing ones count not); nullptr where the bytes are
/// not of the short form. Always inline: every reading of a file passes here, and
/// left to itself the compiler calls it from the line's loop, a tenth slower.
[[gnu::always_inline]] inline const char* shortReadingAt(const char* p, const char* const end, double& value) {
    constexpr std::ptrdiff_t kLongest = 1 + 9 + 1 + 6;  // "-123456789.123456"
    // At most 15 digits and 10^6 are exact: one division rounds correctly.
    static constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    // -9999 at each count of fraction digits.
    static constexpr std::int64_t kMissing[] = {9999, 99990, 999900, 9999000, 99990000, 999900000, 9999000000};
    const char* const limit = end - p > kLongest ? p + kLongest : end;
    const bool negative = p != end && *p == '-';
    const char* const digits = p + (negative ? 1 : 0);
    const char* point = nullptr;
    std::int64_t mantissa = 0;  // at most 16 digits before the limit
    for (p = digits; p != limit; ++p) {
        const unsigned digit = static_cast<unsigned char>(*p - '0');
        if (digit <= 9) {
            mantissa = mantissa * 10 + digit;
        } else if (*p == '.' && !point) {
            point = p;
        } else {
            break;
        }
    }
    if (!point || (p != end && *p != ',')) return nullptr;
    const std::ptrdiff_t whole = point - digits, fraction = p - point - 1;
    if (whole < 1 || whole > 9 || fraction < 1 || fraction > 6) return nullptr;
    const double v = static_cast<double>(mantissa) / kPow10[fraction];
    value = !negative ? v : mantissa == kMissing[fraction] ? kNoReading : -v;
    return p;
}

/// The text of one hourly reading of the CSV as the control is to get it (a part of
/// cell): empty for no reading (an empty cell, -9999 written as any decimal, or one
/// of the marks $, # and -), the number without the blanks around it otherwise
/// (-999 stays: the control's own missing marker). Anything else fails at the
/// place, naming the hour and the text; so does a magnitude of kLargestReading or more.
inline std::string_view hourReading(std::string_view cell, int hour, const InputPlace& place) {
    const char* const end = cell.data() + cell.size();
    if (double value = 0.0; shortReadingAt(cell.data(), end, value) == end)
        return std::isnan(value) ? std::string_view() : cell;
    return otherHourReading(cell, hour, place);
}

/// The value the control reads a reading's text as (not empty, as hourReading gives it).
double readingValue(std::string_view text);

/// hourReading as the number the control reads it as; kNoReading for no reading.
inline double hourValue(std::string_view cell, int hour, const InputPlace& place) {
    const char* const end = cell.data() + cell.size();
    if (double value = 0.0; shortReadingAt(cell.data(), end, value) == end) return value;
    const std::string_view text = otherHourReading(cell, hour, place);
    return text.empty() ? kNoReading : readingValue(text);
}

/// Fails at the place unless |value| < kLargestReading; what names the value.
void checkMagnitude(double value, const std::string& what, const InputPlace& place);

}  // namespace tellvane
