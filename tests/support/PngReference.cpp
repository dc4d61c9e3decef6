#include "tests/support/PngReference.h"

#include <spng.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <numeric>

namespace tellvane::test {
namespace {

struct ContextFree {
    void operator()(spng_ctx* c) const { spng_ctx_free(c); }
};
using Context = std::unique_ptr<spng_ctx, ContextFree>;

long distance(std::uint32_t a, std::uint32_t b) {
    const auto c = [](std::uint32_t v, int s) { return static_cast<long>((v >> s) & 0xFF); };
    long d = 0;
    for (int s : {16, 8, 0}) d += (c(a, s) - c(b, s)) * (c(a, s) - c(b, s));
    return d;
}

}  // namespace

ReferenceIndexed referenceIndex(const raster::PictureView& picture) {
    // Colours with their count and first appearance, straight from the pixels.
    std::map<std::uint32_t, std::pair<std::size_t, std::size_t>> seen;  // rgb -> (first, count)
    std::size_t position = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x, ++position) {
            auto [it, added] = seen.try_emplace(picture.row(y)[x] & 0xFFFFFF, position, 0);
            ++it->second.second;
        }
    std::vector<std::uint32_t> appearance;
    for (const auto& [rgb, fc] : seen) appearance.push_back(rgb);
    std::sort(appearance.begin(), appearance.end(), [&](auto a, auto b) { return seen[a].first < seen[b].first; });

    ReferenceIndexed out;
    std::map<std::uint32_t, std::uint8_t> index;
    if (appearance.size() <= 256) {
        out.palette = appearance;
    } else {
        std::vector<std::uint32_t> byCount = appearance;
        std::stable_sort(byCount.begin(), byCount.end(),
                         [&](auto a, auto b) { return seen[a].second > seen[b].second; });
        out.palette.assign(byCount.begin(), byCount.begin() + 256);
    }
    for (std::uint32_t rgb : appearance) {
        std::size_t best = 0;
        for (std::size_t p = 1; p < out.palette.size(); ++p)
            if (distance(rgb, out.palette[p]) < distance(rgb, out.palette[best])) best = p;
        index[rgb] = static_cast<std::uint8_t>(best);
    }
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) out.pixels.push_back(index[picture.row(y)[x] & 0xFFFFFF]);
    return out;
}

std::vector<std::uint8_t> referencePng(const ReferenceIndexed& indexed, int width, int height) {
    Context ctx(spng_ctx_new(SPNG_CTX_ENCODER));
    spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1);
    spng_ihdr header{};
    header.width = static_cast<std::uint32_t>(width);
    header.height = static_cast<std::uint32_t>(height);
    header.bit_depth = 8;
    header.color_type = SPNG_COLOR_TYPE_INDEXED;
    spng_set_ihdr(ctx.get(), &header);
    spng_plte palette{};
    palette.n_entries = static_cast<std::uint32_t>(indexed.palette.size());
    for (std::size_t i = 0; i < indexed.palette.size(); ++i) {
        const std::uint32_t c = indexed.palette[i];
        palette.entries[i] = {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                              static_cast<std::uint8_t>(c), 0};
    }
    spng_set_plte(ctx.get(), &palette);
    if (spng_encode_image(ctx.get(), indexed.pixels.data(), indexed.pixels.size(), SPNG_FMT_PNG,
                          SPNG_ENCODE_FINALIZE) != 0)
        return {};
    std::size_t size = 0;
    int status = 0;
    std::unique_ptr<void, decltype(&std::free)> buffer(spng_get_png_buffer(ctx.get(), &size, &status), &std::free);
    if (!buffer) return {};
    const auto* bytes = static_cast<const std::uint8_t*>(buffer.get());
    return {bytes, bytes + size};
}

std::vector<std::uint32_t> decodePng(const std::vector<std::uint8_t>& png) {
    Context ctx(spng_ctx_new(0));
    std::size_t size = 0;
    if (spng_set_png_buffer(ctx.get(), png.data(), png.size()) != 0 ||
        spng_decoded_image_size(ctx.get(), SPNG_FMT_RGB8, &size) != 0)
        return {};
    std::vector<std::uint8_t> rgb(size);
    if (spng_decode_image(ctx.get(), rgb.data(), rgb.size(), SPNG_FMT_RGB8, 0) != 0) return {};
    std::vector<std::uint32_t> out(size / 3);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = std::uint32_t{rgb[3 * i]} << 16 | std::uint32_t{rgb[3 * i + 1]} << 8 | rgb[3 * i + 2];
    return out;
}

OwnedPicture readPng(const std::string& path) {
    const std::vector<std::uint8_t> png = fileBytes(path);
    Context ctx(spng_ctx_new(0));
    spng_ihdr header{};
    if (spng_set_png_buffer(ctx.get(), png.data(), png.size()) != 0 || spng_get_ihdr(ctx.get(), &header) != 0)
        return {};
    std::vector<std::uint32_t> pixels = decodePng(png);
    if (pixels.size() != std::size_t{header.width} * header.height) return {};
    return {static_cast<int>(header.width), static_cast<int>(header.height), std::move(pixels)};
}

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

OwnedPicture randomPicture(std::mt19937& random, int width, int height, int rare) {
    const std::uint32_t frequent[] = {0xFFFFFF, 0x000000, 0x0000FF, 0xC0C0C0, 0xFF8080, 0x008000, 0x808080, 0xFFFF00};
    std::vector<std::uint32_t> shades(static_cast<std::size_t>(std::max(rare, 1)));
    for (auto& s : shades) s = random() & 0xFFFFFF;
    std::uniform_int_distribution<int> runLength(1, 40), which(0, 7), percent(0, 99);
    std::uniform_int_distribution<std::size_t> shade(0, shades.size() - 1);
    OwnedPicture p{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width;) {
            // mostly the first colours, as a chart is mostly background
            const std::uint32_t c =
                rare > 0 && percent(random) < 10 ? shades[shade(random)] : frequent[which(random) * which(random) / 7];
            for (int end = std::min(width, x + runLength(random)); x < end; ++x)
                p.at(x, y) = c | static_cast<std::uint32_t>(random() << 24);
        }
    return p;
}

}  // namespace tellvane::test
