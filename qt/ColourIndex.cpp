#include "qt/ColourIndex.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <unordered_map>

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

// Calls f(colour) for each pixel, row by row; neighbours mostly share a colour, so the
// callers remember the last one.
template <typename F>
void eachPixel(const QImage& image, F&& f) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) f(row[x] & kRgbMask);
    }
}

}  // namespace

IndexedImage indexColours(const QImage& source) {
    const QImage image = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();

    // First pass: the distinct colours in order of appearance, with their counts.
    std::unordered_map<std::uint32_t, std::uint32_t> slot;
    std::vector<std::uint32_t> colours;
    std::vector<std::size_t> counts;
    std::uint32_t last = ~0u, lastSlot = 0;
    eachPixel(image, [&](std::uint32_t c) {
        if (c != last) {
            const auto [it, added] = slot.try_emplace(c, static_cast<std::uint32_t>(colours.size()));
            if (added) {
                colours.push_back(c);
                counts.push_back(0);
            }
            last = c;
            lastSlot = it->second;
        }
        ++counts[lastSlot];
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

    // Second pass: each pixel by its palette index.
    out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    std::uint8_t* dst = out.pixels.data();
    last = ~0u;
    std::uint8_t lastIndex = 0;
    eachPixel(image, [&](std::uint32_t c) {
        if (c != last) {
            last = c;
            lastIndex = index[slot.find(c)->second];
        }
        *dst++ = lastIndex;
    });
    return out;
}

}  // namespace tellvane
