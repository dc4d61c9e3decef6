#include "raster/PngFile.h"

#include <isa-l/crc.h>
#include <isa-l/igzip_lib.h>

#include <array>
#include <memory>
#include <span>

#include "common/Error.h"
#include "fileout/FileSet.h"

// The chunks are written here rather than by a PNG library: the one the project
// used (libspng) deflates only through zlib, and ISA-L's igzip compresses the
// chart's scanlines about six times faster. A palette PNG needs only the
// signature, IHDR, PLTE, IDAT and IEND, each a length, a type, data and a CRC-32.

namespace tellvane::raster {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kChunkFrame = 12;  // length, type and CRC around the data

Error failed(const std::string& path, const std::string& why) {
    return Error::fileAccess(path, why);
}


class ChunkWriter {
public:
    explicit ChunkWriter(std::size_t capacity) { bytes_.reserve(capacity); }

    void signature() { bytes_.insert(bytes_.end(), kSignature.begin(), kSignature.end()); }
    /// Starts a chunk; its data follows, then end().
    void begin(const char (&type)[5]) {
        start_ = bytes_.size();
        put32(0);  // the length, known at end()
        bytes_.insert(bytes_.end(), type, type + 4);
    }
    void put8(std::uint8_t b) { bytes_.push_back(b); }
    void put32(std::uint32_t v) {
        for (int shift : {24, 16, 8, 0}) bytes_.push_back(static_cast<std::uint8_t>(v >> shift));
    }
    void put(std::span<const std::uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
    void end() {
        const std::size_t length = bytes_.size() - start_ - 8;
        for (int i = 0; i < 4; ++i) bytes_[start_ + i] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
        // The CRC covers the type and the data; ISA-L's is the same CRC-32 as PNG's.
        put32(crc32_gzip_refl(0, bytes_.data() + start_ + 4, length + 4));
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t start_ = 0;
};

// Deflate's worst case is the data stored: 5 bytes per 64 KiB block, plus the
// zlib header and trailer and ISA-L's own slack.
std::size_t deflateBound(std::size_t n) { return n + 5 * (n / 65535 + 1) + 6 + ISAL_DEF_MAX_HDR_SIZE + 64; }

// What igzip works in: its stream state (80 KB), the level's hash tables and room
// for the output. Kept per thread and reused, so that a batch neither clears nor
// faults them in anew for every picture. On the heap, made at the first picture: a
// thread's static thread-local storage is cleared when the thread starts, whether
// or not it writes a PNG.
struct DeflateWorkspace {
    std::unique_ptr<isal_zstream> state = std::make_unique<isal_zstream>();
    std::unique_ptr<std::uint8_t[]> level = std::make_unique_for_overwrite<std::uint8_t[]>(ISAL_DEF_LVL1_DEFAULT);
    std::unique_ptr<std::uint8_t[]> out;
    std::size_t outSize = 0;

    std::uint8_t* room(std::size_t n) {
        if (n > outSize) {
            out = std::make_unique_for_overwrite<std::uint8_t[]>(n);
            outSize = n;
        }
        return out.get();
    }
};

// The scanlines as a zlib stream (igzip level 1), in the workspace's output.
std::span<const std::uint8_t> deflateRows(const IndexedImage& indexed) {
    thread_local DeflateWorkspace work;
    const std::size_t bound = deflateBound(indexed.size());
    std::uint8_t* out = work.room(bound);
    isal_zstream& stream = *work.state;
    isal_deflate_stateless_init(&stream);
    stream.level = 1;
    stream.level_buf = work.level.get();
    stream.level_buf_size = ISAL_DEF_LVL1_DEFAULT;
    stream.gzip_flag = IGZIP_ZLIB;
    stream.end_of_stream = 1;
    stream.flush = NO_FLUSH;
    stream.next_in = indexed.rows.get();
    stream.avail_in = static_cast<std::uint32_t>(indexed.size());
    stream.next_out = out;
    stream.avail_out = static_cast<std::uint32_t>(bound);
    if (isal_deflate_stateless(&stream) != COMP_OK) throw Error(kOutOfMemory, {}, {});
    return {out, stream.total_out};
}

}  // namespace

std::vector<std::uint8_t> encodePng(const IndexedImage& indexed) {
    const std::span<const std::uint8_t> data = deflateRows(indexed);
    ChunkWriter png(kSignature.size() + 4 * kChunkFrame + 13 + 3 * indexed.palette.size() + data.size());
    png.signature();
    png.begin("IHDR");
    png.put32(static_cast<std::uint32_t>(indexed.width));
    png.put32(static_cast<std::uint32_t>(indexed.height));
    for (std::uint8_t b : {8, 3, 0, 0, 0}) png.put8(b);  // 8 bits, palette, deflate, no filter, no interlace
    png.end();
    png.begin("PLTE");
    for (std::uint32_t c : indexed.palette)
        for (int shift : {16, 8, 0}) png.put8(static_cast<std::uint8_t>(c >> shift));
    png.end();
    png.begin("IDAT");
    png.put(data);
    png.end();
    png.begin("IEND");
    png.end();
    return png.take();
}

void writePng(const PictureView& picture, const std::string& path) {
    if (picture.width <= 0 || picture.height <= 0) throw failed(path, "the picture is empty");
    const std::vector<std::uint8_t> png = encodePng(indexColours(picture));

    fileout::writeFile(path, std::as_bytes(std::span(png)));
}

}  // namespace tellvane::raster
