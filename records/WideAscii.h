#pragma once
// Bytes as UTF-16 units of the same value, for text known to be ASCII.

#include <cstddef>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tellvane {

/// Writes bytes.size() units to out. Sixteen at a time where the processor has SSE2
/// (every x86-64): a line of readings is widened at once, and the compiler leaves
/// the plain loop a byte at a time at the optimisation level we build with.
inline void widenAscii(std::string_view bytes, char16_t* out) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= bytes.size(); i += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(b, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(b, zero));
    }
#endif
    for (; i < bytes.size(); ++i) out[i] = static_cast<unsigned char>(bytes[i]);
}

}  // namespace tellvane
