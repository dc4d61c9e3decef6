#include "raster/ColourIndex.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>

#include "raster/ColourCodes.h"

namespace tellvane::raster {
namespace {

static_assert(kHot < 15, "hot codes and the cold code must stay apart in a 16-entry table");

constexpr std::size_t kPaletteSize = 256;
constexpr int kSampledRows = 16;

// The first palette entry nearest to the colour by squared distance in RGB, good
// enough to pick the closest of a text's edge shades. Each entry's distance and
// place are one key (distance x 256 + place, below 2^26), so the first nearest is
// the smallest key: one loop without branches that the compiler turns into vector
// code, where a search for the first minimum would go one entry at a time.
std::uint8_t nearest(std::uint32_t rgb, const std::vector<std::uint32_t>& palette) {
    const auto r = static_cast<std::int32_t>(rgb >> 16 & 0xFF), g = static_cast<std::int32_t>(rgb >> 8 & 0xFF),
               b = static_cast<std::int32_t>(rgb & 0xFF);
    std::int32_t smallest = std::numeric_limits<std::int32_t>::max();
    for (std::int32_t p = 0; p < static_cast<std::int32_t>(kPaletteSize); ++p) {
        const std::uint32_t c = palette[static_cast<std::size_t>(p)];
        const std::int32_t dr = static_cast<std::int32_t>(c >> 16 & 0xFF) - r;
        const std::int32_t dg = static_cast<std::int32_t>(c >> 8 & 0xFF) - g;
        const std::int32_t db = static_cast<std::int32_t>(c & 0xFF) - b;
        smallest = std::min(smallest, (dr * dr + dg * dg + db * db) << 8 | p);
    }
    return static_cast<std::uint8_t>(smallest & 0xFF);
}

// The hot colours: the most frequent ones in a sample of rows, counted by runs since
// most of a chart is long runs of its background. Which colours are hot changes
// only the speed, never the result.
HotColours sampleHot(const PictureView& picture) {
    ColourNumbers number;
    std::vector<std::uint32_t> rgb;
    std::vector<std::uint64_t> counts;
    const int step = std::max(1, picture.height / kSampledRows);
    for (int y = 0; y < picture.height; y += step) {
        const std::uint32_t* row = picture.row(y);
        for (int x = 0; x < picture.width;) {
            const std::uint32_t c = row[x] & kRgbMask;
            const int start = x;
            while (++x < picture.width && (row[x] & kRgbMask) == c) {
            }
            const std::uint32_t k = number(c);
            if (k == rgb.size()) {
                rgb.push_back(c);
                counts.push_back(0);
            }
            counts[k] += static_cast<std::uint64_t>(x - start);
        }
    }
    std::vector<std::uint32_t> order(rgb.size());
    std::iota(order.begin(), order.end(), 0u);
    const auto hot = std::min<std::size_t>(kHot, order.size());
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(hot), order.end(),
                      [&](auto a, auto b) { return counts[a] > counts[b]; });
    HotColours out;
    out.rgb.fill(kNoColour);
    for (std::size_t k = 0; k < hot; ++k) out.rgb[k] = rgb[order[k]];
    return out;
}

// One colour of the picture, hot (code 1..kHot) or cold (code 0, its number).
struct Colour {
    std::uint32_t rgb;
    std::uint64_t count;
    std::size_t first;
    int hotCode;
    std::uint32_t coldNumber;
};

std::vector<Colour> coloursInOrderOfAppearance(const HotColours& hot, const ColdColours& cold, const std::uint8_t* rows,
                                               std::size_t size) {
    std::vector<Colour> colours;
    for (int k = 0; k < kHot; ++k) {
        if (hot.counts[k] == 0) continue;
        // A hot colour's first pixel: the first byte with its code (filter bytes are 0).
        const auto* first = static_cast<const std::uint8_t*>(std::memchr(rows, k + 1, size));
        colours.push_back({hot.rgb[k], hot.counts[k], static_cast<std::size_t>(first - rows), k + 1, 0});
    }
    for (std::uint32_t n = 0; n < cold.rgb().size(); ++n)
        colours.push_back({cold.rgb()[n], cold.counts()[n], cold.firsts()[n], 0, n});
    std::sort(colours.begin(), colours.end(), [](const Colour& a, const Colour& b) { return a.first < b.first; });
    return colours;
}

// The palette, and each colour's index in it (by the colours' order here).
std::vector<std::uint8_t> choosePalette(const std::vector<Colour>& colours, IndexedImage& out) {
    std::vector<std::uint8_t> index(colours.size());
    if (colours.size() <= kPaletteSize) {
        for (const Colour& c : colours) out.palette.push_back(c.rgb);
        std::iota(index.begin(), index.end(), std::uint8_t{0});
        return index;
    }
    out.exact = false;
    std::vector<std::uint32_t> order(colours.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return colours[a].count > colours[b].count; });
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k < kPaletteSize) {
            index[order[k]] = static_cast<std::uint8_t>(k);
            out.palette.push_back(colours[order[k]].rgb);
            continue;
        }
        index[order[k]] = nearest(colours[order[k]].rgb, out.palette);
    }
    return index;
}

using CodeFn = void (*)(const PictureView&, HotColours&, ColdColours&, std::uint8_t*);
using TranslateFn = void (*)(std::uint8_t*, std::size_t, const std::array<std::uint8_t, 16>&);

struct Kernels {
    CodeFn code;
    TranslateFn translate;
};

Kernels kernelsFor(IndexingPath path) {
#if defined(__x86_64__)
    switch (path) {
        case IndexingPath::Avx512:
            return {codeAvx512, translateAvx512};
        case IndexingPath::Avx2:
            return {codeAvx2, translateAvx2};
        case IndexingPath::Portable:
            break;
    }
#else
    (void)path;  // elsewhere (the browser among them) only the portable path exists
#endif
    return {codePortable, translatePortable};
}

}  // namespace

std::vector<IndexingPath> availablePaths() {
    std::vector<IndexingPath> paths{IndexingPath::Portable};
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("popcnt"))
        paths.push_back(IndexingPath::Avx2);
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl") &&
        __builtin_cpu_supports("bmi") && __builtin_cpu_supports("popcnt"))
        paths.push_back(IndexingPath::Avx512);
#endif
    return paths;
}

IndexedImage indexColours(const PictureView& picture) {
    static const IndexingPath fastest = availablePaths().back();
    return indexColours(picture, fastest);
}

IndexedImage indexColours(const PictureView& picture, IndexingPath path) {
    IndexedImage out;
    out.width = picture.width;
    out.height = picture.height;
    // Not zeroed, as pass one writes every byte, filter bytes included.
    out.rows = largeBuffer<std::uint8_t>(out.size());

    const Kernels kernels = kernelsFor(path);
    HotColours hot = sampleHot(picture);
    ColdColours cold;
    kernels.code(picture, hot, cold, out.rows.get());

    const std::vector<Colour> colours = coloursInOrderOfAppearance(hot, cold, out.rows.get(), out.size());
    const std::vector<std::uint8_t> index = choosePalette(colours, out);

    std::array<std::uint8_t, 16> hotIndex{};  // code 0, the filter byte, stays 0
    std::vector<std::uint8_t> coldIndex(cold.rgb().size());
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (colours[i].hotCode != 0)
            hotIndex[colours[i].hotCode] = index[i];
        else
            coldIndex[colours[i].coldNumber] = index[i];
    }
    kernels.translate(out.rows.get(), out.size(), hotIndex);
    for (const ColdColours::Pixel& p : cold.pixels()) out.rows[p.offset] = coldIndex[p.number];
    return out;
}

}  // namespace tellvane::raster
