#pragma once
// Numbers as the page files write them: fixed decimals computed by rounding to an
// integer and printed digit by digit, so that every platform and every locale gives
// the same bytes (the browser build's standard library has no floating-point
// to_chars, and printf follows the locale).

#include <cstdint>
#include <string>

namespace tellvane::pagewriter {

/// Appends v rounded to the given decimals (0 to 6), halves away from zero, without
/// trailing zeros or a trailing point, and "0" rather than "-0".
void appendFixed(std::string& out, double v, int decimals);

/// Appends a whole number in decimal.
void appendInteger(std::string& out, std::int64_t v);

/// Appends v as an unsigned hexadecimal number of exactly the given digits, capitals.
void appendHex(std::string& out, std::uint32_t v, int digits);

}  // namespace tellvane::pagewriter
