// The AVX2 forms of the two passes, compiled for that instruction set by function
// attribute so that the rest of the library runs on any x86-64; the caller picks
// them only on a processor that has it.
#include "raster/ColourCodes.h"

#if defined(__x86_64__)
#include <immintrin.h>

#include <bit>

namespace tellvane::raster {

#define TELLVANE_AVX2 __attribute__((target("avx2,bmi,popcnt")))

namespace {

struct Compared {
    __m256i codes;     // eight 32-bit codes
    unsigned matched;  // one bit per pixel that is hot
};

// Eight pixels against the hot colours.
TELLVANE_AVX2 inline Compared compare8(const std::uint32_t* src, const __m256i* colour, const __m256i* code,
                                       std::uint64_t* counts) {
    const __m256i pixels = _mm256_and_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(src)),
                                            _mm256_set1_epi32(static_cast<int>(kRgbMask)));
    __m256i codes = _mm256_set1_epi32(kCold);
    unsigned matched = 0;
    for (int k = 0; k < kHot; ++k) {
        const __m256i equal = _mm256_cmpeq_epi32(pixels, colour[k]);
        codes = _mm256_blendv_epi8(codes, code[k], equal);
        const auto bits = static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(equal)));
        counts[k] += static_cast<unsigned>(std::popcount(bits));
        matched |= bits;
    }
    return {codes, matched};
}

// True when the 32 pixels all have the colour.
TELLVANE_AVX2 inline bool allOf(const std::uint32_t* src, __m256i colour) {
    const __m256i rgb = _mm256_set1_epi32(static_cast<int>(kRgbMask));
    __m256i equal = _mm256_set1_epi32(-1);
    for (int i = 0; i < 32; i += 8) {
        const __m256i pixels = _mm256_and_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i)), rgb);
        equal = _mm256_and_si256(equal, _mm256_cmpeq_epi32(pixels, colour));
    }
    return _mm256_movemask_epi8(equal) == -1;
}

}  // namespace

TELLVANE_AVX2 void codeAvx2(const PictureView& picture, HotColours& hot, ColdColours& cold, std::uint8_t* rows) {
    __m256i colour[kHot], code[kHot];
    for (int k = 0; k < kHot; ++k) {
        colour[k] = _mm256_set1_epi32(static_cast<int>(hot.rgb[k]));
        code[k] = _mm256_set1_epi32(k + 1);
    }
    // packs work within 128-bit lanes; this puts the 32 bytes back in pixel order
    const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    const __m256i firstCode = _mm256_set1_epi8(1);
    std::uint64_t counts[kHot] = {};
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) + 1;
    for (int y = 0; y < picture.height; ++y) {
        const std::uint32_t* src = picture.row(y);
        const std::size_t start = static_cast<std::size_t>(y) * rowBytes + 1;
        rows[start - 1] = 0;
        int x = 0;
        for (; x + 32 <= picture.width; x += 32) {
            // Most blocks are all of the most frequent colour, the background.
            if (allOf(src + x, colour[0])) {
                counts[0] += 32;
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(rows + start + x), firstCode);
                continue;
            }
            const Compared a = compare8(src + x, colour, code, counts);
            const Compared b = compare8(src + x + 8, colour, code, counts);
            const Compared c = compare8(src + x + 16, colour, code, counts);
            const Compared d = compare8(src + x + 24, colour, code, counts);
            const __m256i bytes = _mm256_permutevar8x32_epi32(
                _mm256_packus_epi16(_mm256_packus_epi32(a.codes, b.codes), _mm256_packus_epi32(c.codes, d.codes)),
                order);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(rows + start + x), bytes);
            const unsigned matched = a.matched | b.matched << 8 | c.matched << 16 | d.matched << 24;
            for (unsigned rest = ~matched; rest != 0; rest &= rest - 1) {
                const int i = std::countr_zero(rest);
                cold.add(src[x + i] & kRgbMask, start + x + i);
            }
        }
        for (int k = 0; k < kHot; ++k) hot.counts[k] += counts[k];
        for (int k = 0; k < kHot; ++k) counts[k] = 0;
        for (; x < picture.width; ++x) codePixel(src[x], start + x, hot, cold, rows);
    }
}

TELLVANE_AVX2 void translateAvx2(std::uint8_t* bytes, std::size_t n, const std::array<std::uint8_t, 16>& table) {
    const __m256i lookup = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(table.data())));
    const __m256i low = _mm256_set1_epi8(0x0F);
    std::size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(bytes + i),
                            _mm256_shuffle_epi8(lookup, _mm256_and_si256(b, low)));
    }
    for (; i < n; ++i) bytes[i] = table[bytes[i] & 0x0F];
}

}  // namespace tellvane::raster

#endif
