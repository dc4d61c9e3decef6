#include "qt/PngFile.h"

#include <spng.h>

#include <cstdio>
#include <memory>

#include "common/Error.h"
#include "qt/ColourIndex.h"
#include "qt/QtErrors.h"

namespace tellvane {
namespace {

struct ContextFree {
    void operator()(spng_ctx* c) const { spng_ctx_free(c); }
};
struct FileClose {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

Error failed(const std::string& path, const std::string& why) {
    return Error(kFileAccess, "Path/File access error: " + path + ": " + why);
}

void check(int status, const std::string& path) {
    if (status != 0) throw failed(path, spng_strerror(status));
}

// Removes a partly written file unless it was kept.
struct PartFile {
    std::string path;
    bool kept = false;
    ~PartFile() {
        if (!kept) std::remove(path.c_str());
    }
};

// The indexed picture as PNG into an open file; fails with the path in the error.
void encode(const IndexedImage& indexed, std::FILE* file, const std::string& path) {
    std::unique_ptr<spng_ctx, ContextFree> ctx(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!ctx) throw Error(kOutOfMemory, "Out of memory");
    check(spng_set_png_file(ctx.get(), file), path);

    spng_ihdr header{};
    header.width = static_cast<std::uint32_t>(indexed.width);
    header.height = static_cast<std::uint32_t>(indexed.height);
    header.bit_depth = 8;
    header.color_type = SPNG_COLOR_TYPE_INDEXED;
    check(spng_set_ihdr(ctx.get(), &header), path);

    spng_plte palette{};
    palette.n_entries = static_cast<std::uint32_t>(indexed.palette.size());
    for (std::size_t i = 0; i < indexed.palette.size(); ++i) {
        const std::uint32_t c = indexed.palette[i];
        palette.entries[i] = {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                              static_cast<std::uint8_t>(c), 0};
    }
    check(spng_set_plte(ctx.get(), &palette), path);

    check(spng_set_option(ctx.get(), SPNG_FILTER_CHOICE, SPNG_FILTER_CHOICE_NONE), path);
    check(spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_LEVEL, 1), path);
    check(
        spng_encode_image(ctx.get(), indexed.pixels.data(), indexed.pixels.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE),
        path);
    ctx.reset();
    if (std::fflush(file) != 0 || std::ferror(file)) throw failed(path, "cannot be written");
}

}  // namespace

void writePng(const QImage& image, const std::string& path) {
    if (image.isNull()) throw failed(path, "the picture is empty");
    const IndexedImage indexed = indexColours(image);

    // Written beside the target and renamed into place when complete, so that a
    // failure never leaves a truncated picture or destroys an earlier one.
    PartFile part{path + ".part"};
    std::unique_ptr<std::FILE, FileClose> file(std::fopen(part.path.c_str(), "wb"));
    if (!file) throw failed(path, "cannot be opened for writing");
    encode(indexed, file.get(), path);
    if (std::fclose(file.release()) != 0) throw failed(path, "cannot be written");
    if (std::rename(part.path.c_str(), path.c_str()) != 0) throw failed(path, "cannot be renamed into place");
    part.kept = true;
}

}  // namespace tellvane
