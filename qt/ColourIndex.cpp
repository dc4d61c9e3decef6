#include "qt/ColourIndex.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <numeric>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tellvane {
namespace {

constexpr std::size_t kPaletteSize = 256;
constexpr std::uint32_t kRgbMask = 0xFFFFFF;

// Squared distance in RGB; good enough to pick the closest of a text's edge shades.
long distance(std::uint32_t a, std::uint32_t b) {
    long d = 0;
    for (int shift : {16, 8, 0}) {
        const long c = static_cast<long>((a >> shift) & 0xFF) - static_cast<long>((b >> shift) & 0xFF);
        d += c * c;
    }
    return d;
}

// Colours to numbers in order of arrival, by open addressing: a chart has a few
// hundred colours, so the table stays small enough for the first-level cache,
// where a general hash map costs more than the whole PNG encoding.
class ColourNumbers {
public:
    ColourNumbers() { rehash(10); }

    /// The colour's number; a colour not seen before gets the next one.
    std::uint32_t operator()(std::uint32_t colour) {
        std::uint32_t i = slot(colour);
        for (; keys_[i] != kEmpty; i = (i + 1) & mask_)
            if (keys_[i] == colour) return numbers_[i];
        keys_[i] = colour;
        numbers_[i] = size_++;
        if (2 * size_ > keys_.size()) rehash(bits_ + 1);
        return size_ - 1;
    }
    std::uint32_t size() const { return size_; }

private:
    static constexpr std::uint32_t kEmpty = ~0u;  // no 24-bit colour
    std::uint32_t slot(std::uint32_t colour) const { return (colour * 0x9E3779B1u) >> (32 - bits_); }
    void rehash(int bits) {
        std::vector<std::uint32_t> keys = std::move(keys_), numbers = std::move(numbers_);
        bits_ = bits;
        mask_ = (1u << bits) - 1;
        keys_.assign(std::size_t{1} << bits, kEmpty);
        numbers_.assign(keys_.size(), 0);
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (keys[k] == kEmpty) continue;
            std::uint32_t i = slot(keys[k]);
            while (keys_[i] != kEmpty) i = (i + 1) & mask_;
            keys_[i] = keys[k];
            numbers_[i] = numbers[k];
        }
    }

    std::vector<std::uint32_t> keys_, numbers_;
    std::uint32_t mask_ = 0, size_ = 0;
    int bits_ = 0;
};

// Where the run of colour c that goes on at row[x] ends. Most of a chart is long
// runs of its background, so four pixels are compared at a time where SSE2 allows.
int runEnd(const std::uint32_t* row, int x, int width, std::uint32_t c) {
#if defined(__SSE2__)
    const __m128i colour = _mm_set1_epi32(static_cast<int>(c));
    const __m128i rgb = _mm_set1_epi32(static_cast<int>(kRgbMask));
    for (; x + 4 <= width; x += 4) {
        const __m128i four = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x)), rgb);
        const unsigned equal = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi32(four, colour)));
        if (equal != 0xFFFF) return x + std::countr_one(equal) / 4;
    }
#endif
    while (x < width && (row[x] & kRgbMask) == c) ++x;
    return x;
}

// Calls f(colour, run length) for each run of equal pixels, row by row.
template <typename F>
void eachRun(const QImage& image, F&& f) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0, w = image.width(); x < w;) {
            const std::uint32_t c = row[x] & kRgbMask;
            const int end = runEnd(row, x + 1, w, c);
            f(c, end - x);
            x = end;
        }
    }
}

}  // namespace

IndexedImage indexColours(const QImage& source) {
    // Not a copy of the source: a copy of an image being painted on is a deep one.
    QImage converted;
    if (source.format() != QImage::Format_RGB32) converted = source.convertToFormat(QImage::Format_RGB32);
    const QImage& image = converted.isNull() ? source : converted;
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();

    // First pass: the runs of equal pixels by the number of their colour in order
    // of appearance, and the colours with their counts.
    struct Run {
        std::uint32_t number, length;
    };
    ColourNumbers number;
    std::vector<std::uint32_t> colours;
    std::vector<std::size_t> counts;
    std::vector<Run> runs;
    runs.reserve(static_cast<std::size_t>(out.height) * 64);
    eachRun(image, [&](std::uint32_t c, int n) {
        const std::uint32_t k = number(c);
        if (k == colours.size()) {
            colours.push_back(c);
            counts.push_back(0);
        }
        counts[k] += static_cast<std::size_t>(n);
        runs.push_back({k, static_cast<std::uint32_t>(n)});
    });

    // The palette: every colour, or the most frequent ones and the nearest of them
    // for the rest.
    std::vector<std::uint8_t> index(colours.size());
    if (colours.size() <= kPaletteSize) {
        out.palette = colours;
        std::iota(index.begin(), index.end(), std::uint8_t{0});
    } else {
        out.exact = false;
        std::vector<std::uint32_t> order(colours.size());
        std::iota(order.begin(), order.end(), 0u);
        std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return counts[a] > counts[b]; });
        for (std::size_t k = 0; k < order.size(); ++k) {
            if (k < kPaletteSize) {
                index[order[k]] = static_cast<std::uint8_t>(k);
                out.palette.push_back(colours[order[k]]);
                continue;
            }
            long best = std::numeric_limits<long>::max();
            for (std::size_t p = 0; p < kPaletteSize; ++p) {
                const long d = distance(colours[order[k]], out.palette[p]);
                if (d < best) {
                    best = d;
                    index[order[k]] = static_cast<std::uint8_t>(p);
                }
            }
        }
    }

    // Second pass: the runs by palette index.
    out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    std::uint8_t* dst = out.pixels.data();
    const std::uint8_t* const paletteIndex = index.data();
    for (const Run& r : runs) dst = std::fill_n(dst, r.length, paletteIndex[r.number]);
    return out;
}

}  // namespace tellvane
