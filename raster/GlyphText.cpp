#include "raster/GlyphText.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>
#include <vector>

#include "common/Error.h"
#include "common/Text.h"

namespace tellvane::raster {
namespace {

// Glyphs start at quarter-pixel positions, as the toolkit's glyph cache keeps them.
constexpr int kSubPixelSteps = 4;

// What the toolkit's blending of a glyph's coverage gives: source and destination
// weighted by the coverage in 255ths, divided by 255 with its rounding.
std::uint32_t blend(std::uint32_t dst, std::uint32_t src, unsigned a) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned t = ((src >> shift) & 0xFF) * a + ((dst >> shift) & 0xFF) * (255 - a);
        out |= (((t + (t >> 8) + 0x80) >> 8) & 0xFF) << shift;
    }
    return out;
}

// A glyph as drawn at one size, weight and quarter-pixel position: its coverage
// (0-255) and where it sits from the pen on the baseline.
}  // namespace

struct DrawnGlyph {
    int left = 0, top = 0, width = 0, rows = 0;
    double advance = 0;
    std::vector<std::uint8_t> coverage;
};

namespace {

std::uint64_t glyphKey(FT_UInt glyph, int size, bool bold, int quarter) {
    return (std::uint64_t{glyph} << 32) | (static_cast<std::uint64_t>(size & 0xFFFFFF) << 8) |
           (static_cast<std::uint64_t>(bold) << 4) | static_cast<std::uint64_t>(quarter);
}

DrawnGlyph copied(const FT_Bitmap& bitmap, int left, int top, double advance) {
    DrawnGlyph g{left, top, static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows), advance, {}};
    g.coverage.resize(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.rows));
    for (int j = 0; j < g.rows; ++j) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(j) * bitmap.pitch;
        for (int i = 0; i < g.width; ++i)
            g.coverage[static_cast<std::size_t>(j * g.width + i)] =
                bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                    ? static_cast<std::uint8_t>(((row[i / 8] >> (7 - i % 8)) & 1) * 255)
                    : row[i];
    }
    return g;
}

// The glyph's coverage over the picture, its pen at (x, baseline).
void paint(const DrawnGlyph& g, int x, int baseline, MutablePicture picture, std::uint32_t rgb) {
    for (int j = 0; j < g.rows; ++j) {
        const int y = baseline - g.top + j;
        if (y < 0 || y >= picture.height) continue;
        std::uint32_t* row = picture.row(y);
        for (int i = 0; i < g.width; ++i) {
            const int px = x + g.left + i;
            const unsigned a = g.coverage[static_cast<std::size_t>(j * g.width + i)];
            if (a == 0 || px < 0 || px >= picture.width) continue;
            row[px] = a == 255 ? rgb : blend(row[px], rgb, a);
        }
    }
}

// A batch letters the same few glyphs on every chart: they are drawn once per
// thread, up to this many.
constexpr std::size_t kMostGlyphs = 8192;

}  // namespace

struct GlyphText::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    int size = 0;
    std::unordered_map<std::uint64_t, DrawnGlyph> glyphs;
    ~Face() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

GlyphText::GlyphText(std::string fontFile) : file_(std::move(fontFile)) {}

GlyphText::~GlyphText() = default;

// FreeType's objects stay with the thread that made them; a thread opens each face
// once and keeps it, with the glyphs it has drawn.
GlyphText::Face& GlyphText::face() {
    thread_local std::map<std::string, std::unique_ptr<Face>> faces;
    std::unique_ptr<Face>& kept = faces[file_];
    if (kept) return *kept;
    auto opened = std::make_unique<Face>();
    if (FT_Init_FreeType(&opened->library) != 0 || FT_New_Face(opened->library, file_.c_str(), 0, &opened->face) != 0) {
        faces.erase(file_);
        throw Error::fileAccess(file_, "cannot read the typeface");
    }
    kept = std::move(opened);
    return *kept;
}

void GlyphText::setSize(Face& f, int pixels) {
    if (f.size == pixels) return;
    if (FT_Set_Pixel_Sizes(f.face, 0, static_cast<FT_UInt>(pixels)) != 0)
        throw Error::fileAccess(file_, "the typeface has no size " + std::to_string(pixels));
    f.size = pixels;
}

TextMetrics GlyphText::metrics(double pixels) {
    const int size = std::max(1, static_cast<int>(std::lround(pixels)));
    const FT_Face face = this->face().face;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const double ascent = os2 ? os2->usWinAscent : face->ascender;
    const double descent = os2 ? os2->usWinDescent : -face->descender;
    const double scale = static_cast<double>(size) / face->units_per_EM;
    return {static_cast<int>(std::lround(ascent * scale)), static_cast<int>(std::lround(descent * scale))};
}

void GlyphText::draw(MutablePicture picture, int x, int baseline, const std::string& utf8, double pixels, bool bold,
                     std::uint32_t rgb) {
    const int size = std::max(1, static_cast<int>(std::lround(pixels)));
    Face& f = face();
    const bool embolden = bold && !(f.face->style_flags & FT_STYLE_FLAG_BOLD);
    double pen = x;
    // fromUtf8 gives no unpaired surrogate, so the code points are always there.
    for (const char32_t c : codePointsOf(fromUtf8(utf8)).value_or(std::u32string())) {
        const FT_UInt index = FT_Get_Char_Index(f.face, c);
        const double whole = std::floor(pen);
        const int quarter = static_cast<int>(std::floor((pen - whole) * kSubPixelSteps));
        const std::uint64_t key = glyphKey(index, size, embolden, quarter);
        auto found = f.glyphs.find(key);
        if (found == f.glyphs.end()) {
            if (f.glyphs.size() >= kMostGlyphs) f.glyphs.clear();
            found = f.glyphs.emplace(key, rendered(f, index, size, embolden, quarter)).first;
        }
        paint(found->second, static_cast<int>(whole), baseline, picture, rgb);
        pen += found->second.advance;
    }
}

// The glyph drawn by FreeType: hinted vertically only, emboldened for a bold the
// face lacks, moved by the quarter pixel, with grey coverage.
DrawnGlyph GlyphText::rendered(Face& f, unsigned index, int size, bool embolden, int quarter) {
    setSize(f, size);
    if (FT_Load_Glyph(f.face, index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) return {};
    FT_GlyphSlot slot = f.face->glyph;
    const double advance = static_cast<double>(slot->linearHoriAdvance) / 65536.0;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return DrawnGlyph{0, 0, 0, 0, advance, {}};
    if (embolden) FT_GlyphSlot_Embolden(slot);
    FT_Outline_Translate(&slot->outline, quarter * 64 / kSubPixelSteps, 0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return DrawnGlyph{0, 0, 0, 0, advance, {}};
    return copied(slot->bitmap, slot->bitmap_left, slot->bitmap_top, advance);
}

}  // namespace tellvane::raster
