#pragma once
// The floating-point parts of <charconv> for a standard library that lacks them,
// built on the C library's correctly rounded printf and strtod. Hand-written
// because no library of the platform offers these exact semantics (shortest text,
// printf's choice between fixed and exponent form, from_chars' grammar); the
// digits themselves always come from the C library. Compiled everywhere, so that
// the native build checks them against the standard ones.

#include <charconv>

namespace tellvane::charconv_fallback {

/// As std::to_chars(first, last, v).
std::to_chars_result shortest(char* first, char* last, double v);
std::to_chars_result shortest(char* first, char* last, float v);

/// As std::to_chars(first, last, v, std::chars_format::fixed).
std::to_chars_result shortestFixed(char* first, char* last, double v);

/// As std::to_chars(first, last, v, std::chars_format::fixed, precision).
std::to_chars_result fixed(char* first, char* last, double v, int precision);

/// As std::from_chars(first, last, v) with std::chars_format::general.
std::from_chars_result parse(const char* first, const char* last, double& v);

}  // namespace tellvane::charconv_fallback
