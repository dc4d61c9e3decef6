#pragma once
// Texts are UTF-16 and compared code unit by code unit. These are the conversions
// between numbers and texts that every part of the control shares.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tellvane {

/// The decimal number a text begins with, after blanks (space, tab): optional sign,
/// digits, optional fraction, optional exponent with at least one digit. 0 when the
/// text begins with no number; a number beyond a double's range fails with Overflow.
double leadingNumber(std::u16string_view text);

/// The text as one whole number in the grammar above, blanks around it allowed,
/// rounded to the nearest integer (exact halves to even). Empty or non-numeric text
/// fails with Type mismatch, a value beyond 32 bits with Overflow.
std::int32_t wholeNumber(std::u16string_view text);

/// True when the text is empty or holds only spaces and tabs.
bool isBlank(std::u16string_view text);

/// The "0.00" form: the exact binary value rounded to the nearest hundredth, exact
/// halves away from zero; never "-0.00".
std::u16string twoDecimal(double x);

/// A real as the shortest fixed-point text that reads back as the same value,
/// without exponent or trailing zeros ("12.5", "16", "-1.5", "0").
std::u16string plainDecimal(double x);

/// An integer in decimal digits, with a minus sign when negative.
std::u16string plainInteger(long long v);

/// Printable ASCII (U+0021..U+007E) replaced by its full-width form (U+FF01..U+FF5E).
std::u16string fullWidth(std::u16string_view text);

/// UTF-8 to UTF-16 and back; ill-formed sequences become U+FFFD.
std::u16string fromUtf8(std::string_view text);
std::string toUtf8(std::u16string_view text);

/// The code points of a UTF-16 text; nullopt when it holds a surrogate without its pair.
std::optional<std::u32string> codePointsOf(std::u16string_view text);

/// The value of a hexadecimal digit (either case), or -1 for any other character.
int hexDigitValue(char c);

/// A UTF-16 text from an ASCII or UTF-8 literal.
inline std::u16string u16(std::string_view utf8) { return fromUtf8(utf8); }

}  // namespace tellvane
