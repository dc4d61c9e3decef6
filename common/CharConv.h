#pragma once
// Floating-point conversions between numbers and ASCII as <charconv> does them.
// Where the standard library has them they are used as they are; a library
// without them (the WebAssembly build's libc++) gets the equivalents in
// CharConvFallback.h, which agree with them value for value.

#include <charconv>
#include <system_error>

#if !defined(__cpp_lib_to_chars)
#include "common/CharConvFallback.h"
#endif

namespace tellvane {

/// std::to_chars(first, last, v): the shortest text that reads back as v.
template <typename Real>
std::to_chars_result toChars(char* first, char* last, Real v) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, v);
#else
    return charconv_fallback::shortest(first, last, v);
#endif
}

/// std::to_chars(first, last, v, std::chars_format::fixed): the shortest fixed text.
inline std::to_chars_result toCharsFixed(char* first, char* last, double v) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, v, std::chars_format::fixed);
#else
    return charconv_fallback::shortestFixed(first, last, v);
#endif
}

/// std::to_chars(first, last, v, std::chars_format::fixed, precision).
inline std::to_chars_result toCharsFixed(char* first, char* last, double v, int precision) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, v, std::chars_format::fixed, precision);
#else
    return charconv_fallback::fixed(first, last, v, precision);
#endif
}

/// std::from_chars(first, last, v) for a double in the general format.
inline std::from_chars_result fromChars(const char* first, const char* last, double& v) {
#if defined(__cpp_lib_to_chars)
    return std::from_chars(first, last, v);
#else
    return charconv_fallback::parse(first, last, v);
#endif
}

}  // namespace tellvane
