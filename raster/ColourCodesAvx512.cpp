// The AVX-512 forms of the two passes, compiled for that instruction set by
// function attribute so that the rest of the library runs on any x86-64; the
// caller picks them only on a processor that has it.
#include "raster/ColourCodes.h"

#if defined(__x86_64__)
#include <immintrin.h>

#include <bit>

namespace tellvane::raster {

#define TELLVANE_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl,bmi,popcnt")))

TELLVANE_AVX512 void codeAvx512(const PictureView& picture, HotColours& hot, ColdColours& cold, std::uint8_t* rows) {
    const __m512i rgbMask = _mm512_set1_epi32(static_cast<int>(kRgbMask));
    __m512i colour[kHot], code[kHot];
    for (int k = 0; k < kHot; ++k) {
        colour[k] = _mm512_set1_epi32(static_cast<int>(hot.rgb[k]));
        code[k] = _mm512_set1_epi32(k + 1);
    }
    const __m512i coldCode = _mm512_set1_epi32(kCold);
    const __m128i firstCode = _mm_set1_epi8(1);
    std::uint64_t counts[kHot] = {};
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) + 1;
    for (int y = 0; y < picture.height; ++y) {
        const std::uint32_t* src = picture.row(y);
        const std::size_t start = static_cast<std::size_t>(y) * rowBytes + 1;
        rows[start - 1] = 0;
        int x = 0;
        for (; x + 16 <= picture.width; x += 16) {
            auto* dst = reinterpret_cast<__m128i*>(rows + start + x);
            const __m512i pixels = _mm512_and_si512(_mm512_loadu_si512(src + x), rgbMask);
            // Most blocks are all of the most frequent colour, the background.
            const __mmask16 first = _mm512_cmpeq_epi32_mask(pixels, colour[0]);
            if (first == 0xFFFF) {
                counts[0] += 16;
                _mm_storeu_si128(dst, firstCode);
                continue;
            }
            __m512i codes = _mm512_mask_mov_epi32(coldCode, first, code[0]);
            counts[0] += static_cast<unsigned>(std::popcount(static_cast<unsigned>(first)));
            unsigned matched = first;
            for (int k = 1; k < kHot; ++k) {
                const __mmask16 equal = _mm512_cmpeq_epi32_mask(pixels, colour[k]);
                codes = _mm512_mask_mov_epi32(codes, equal, code[k]);
                counts[k] += static_cast<unsigned>(std::popcount(static_cast<unsigned>(equal)));
                matched |= equal;
            }
            // A store of the narrowed register: the narrowing store to memory is
            // microcoded and slow on some processors (AMD's Zen 4 among them). The
            // zero-masked narrowing, as GCC 12 warns inside the plain one.
            _mm_storeu_si128(dst, _mm512_maskz_cvtepi32_epi8(0xFFFF, codes));
            for (unsigned rest = ~matched & 0xFFFF; rest != 0; rest &= rest - 1) {
                const int i = std::countr_zero(rest);
                cold.add(src[x + i] & kRgbMask, start + x + i);
            }
        }
        for (; x < picture.width; ++x) codePixel(src[x], start + x, hot, cold, rows);
    }
    for (int k = 0; k < kHot; ++k) hot.counts[k] += counts[k];
}

TELLVANE_AVX512 void translateAvx512(std::uint8_t* bytes, std::size_t n, const std::array<std::uint8_t, 16>& table) {
    // The table in each 128-bit lane, where the byte shuffle looks; copied rather
    // than broadcast, as GCC 12 warns inside its own broadcast intrinsic.
    alignas(64) std::uint8_t lanes[64];
    for (int i = 0; i < 64; ++i) lanes[i] = table[i % 16];
    const __m512i lookup = _mm512_load_si512(lanes);
    const __m512i low = _mm512_set1_epi8(0x0F);
    std::size_t i = 0;
    for (; i + 64 <= n; i += 64) {
        const __m512i b = _mm512_loadu_si512(bytes + i);
        _mm512_storeu_si512(bytes + i, _mm512_shuffle_epi8(lookup, _mm512_and_si512(b, low)));
    }
    for (; i < n; ++i) bytes[i] = table[bytes[i] & 0x0F];
}

}  // namespace tellvane::raster

#endif
