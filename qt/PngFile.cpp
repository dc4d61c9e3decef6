#include "qt/PngFile.h"

#include <spng.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

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

// Removes a partly written file unless it was kept.
struct PartFile {
    std::string path;
    bool kept = false;
    ~PartFile() {
        if (!kept) std::remove(path.c_str());
    }
};

// One PNG written into an open file: the header, and the palette if any, are set
// by the caller between construction and one of the write calls.
class Encoder {
public:
    Encoder(std::FILE* file, const std::string& path) : path_(path), ctx_(spng_ctx_new(SPNG_CTX_ENCODER)) {
        if (!ctx_) throw Error(kOutOfMemory, "Out of memory");
        check(spng_set_png_file(ctx_.get(), file));
        check(spng_set_option(ctx_.get(), SPNG_FILTER_CHOICE, SPNG_FILTER_CHOICE_NONE));
        check(spng_set_option(ctx_.get(), SPNG_IMG_COMPRESSION_LEVEL, 1));
    }
    void header(int width, int height, std::uint8_t colourType) {
        spng_ihdr ihdr{};
        ihdr.width = static_cast<std::uint32_t>(width);
        ihdr.height = static_cast<std::uint32_t>(height);
        ihdr.bit_depth = 8;
        ihdr.color_type = colourType;
        check(spng_set_ihdr(ctx_.get(), &ihdr));
    }
    void palette(const std::vector<std::uint32_t>& colours) {
        spng_plte plte{};
        plte.n_entries = static_cast<std::uint32_t>(colours.size());
        for (std::size_t i = 0; i < colours.size(); ++i) {
            const std::uint32_t c = colours[i];
            plte.entries[i] = {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                               static_cast<std::uint8_t>(c), 0};
        }
        check(spng_set_plte(ctx_.get(), &plte));
    }
    /// The whole image at once, rows packed.
    void write(const std::vector<std::uint8_t>& pixels) {
        check(spng_encode_image(ctx_.get(), pixels.data(), pixels.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE));
    }
    /// Row by row, each row(y) giving bytesPerRow bytes.
    template <typename Row>
    void writeRows(int height, std::size_t bytesPerRow, Row&& row) {
        check(spng_encode_image(ctx_.get(), nullptr, 0, SPNG_FMT_PNG, SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE));
        for (int y = 0; y < height; ++y) {
            const int status = spng_encode_row(ctx_.get(), row(y), bytesPerRow);
            if (status != 0 && !(status == SPNG_EOI && y == height - 1)) check(status);
        }
    }

private:
    void check(int status) const {
        if (status != 0) throw failed(path_, spng_strerror(status));
    }

    const std::string& path_;
    std::unique_ptr<spng_ctx, ContextFree> ctx_;
};

// The picture as PNG into an open file: by palette when its colours fit one, else
// as 8-bit RGB, so that the file always holds the picture exactly.
void encode(const QImage& image, std::FILE* file, const std::string& path) {
    if (const std::optional<IndexedImage> indexed = paletteImage(image)) {
        Encoder png(file, path);
        png.header(indexed->width, indexed->height, SPNG_COLOR_TYPE_INDEXED);
        png.palette(indexed->palette);
        png.write(indexed->pixels);
    } else {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
        Encoder png(file, path);
        png.header(rgb.width(), rgb.height(), SPNG_COLOR_TYPE_TRUECOLOR);
        png.writeRows(rgb.height(), static_cast<std::size_t>(rgb.width()) * 3,
                      [&](int y) { return static_cast<const void*>(rgb.constScanLine(y)); });
    }
    if (std::fflush(file) != 0 || std::ferror(file)) throw failed(path, "cannot be written");
}

}  // namespace

void writePng(const QImage& image, const std::string& path) {
    if (image.isNull()) throw failed(path, "the picture is empty");

    // Written beside the target and renamed into place when complete, so that a
    // failure never leaves a truncated picture or destroys an earlier one.
    PartFile part{path + ".part"};
    std::unique_ptr<std::FILE, FileClose> file(std::fopen(part.path.c_str(), "wb"));
    if (!file) throw failed(path, "cannot be opened for writing");
    encode(image, file.get(), path);
    if (std::fclose(file.release()) != 0) throw failed(path, "cannot be written");
    if (std::rename(part.path.c_str(), path.c_str()) != 0) throw failed(path, "cannot be renamed into place");
    part.kept = true;
}

}  // namespace tellvane
