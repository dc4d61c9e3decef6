#include "raster/GlyphText.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

#include "common/Error.h"
#include "common/Text.h"
#include "raster/RasterErrors.h"

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

std::u32string codePoints(const std::string& utf8) {
    const std::u16string units = fromUtf8(utf8);
    std::u32string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t u = units[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000)
            out += 0x10000 + ((u - 0xD800) << 10) + (units[++i] - 0xDC00);
        else
            out += u;
    }
    return out;
}

// The coverage of a rendered glyph over the picture, its top-left corner at (left, top).
void paint(const FT_Bitmap& bitmap, int left, int top, MutablePicture picture, std::uint32_t rgb) {
    for (unsigned j = 0; j < bitmap.rows; ++j) {
        const int y = top + static_cast<int>(j);
        if (y < 0 || y >= picture.height) continue;
        const unsigned char* coverage = bitmap.buffer + static_cast<std::ptrdiff_t>(j) * bitmap.pitch;
        std::uint32_t* row = picture.row(y);
        for (unsigned i = 0; i < bitmap.width; ++i) {
            const int x = left + static_cast<int>(i);
            const unsigned a =
                bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? ((coverage[i / 8] >> (7 - i % 8)) & 1) * 255 : coverage[i];
            if (a == 0 || x < 0 || x >= picture.width) continue;
            row[x] = a == 255 ? rgb : blend(row[x], rgb, a);
        }
    }
}

}  // namespace

struct GlyphText::Face {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    int size = 0;
    ~Face() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

GlyphText::GlyphText(std::string fontFile) : file_(std::move(fontFile)) {}

GlyphText::~GlyphText() = default;

GlyphText::Face& GlyphText::face() {
    if (face_) return *face_;
    auto opened = std::make_unique<Face>();
    if (FT_Init_FreeType(&opened->library) != 0 || FT_New_Face(opened->library, file_.c_str(), 0, &opened->face) != 0)
        throw Error(kFileAccess, "Path/File access error: cannot read the typeface " + file_);
    face_ = std::move(opened);
    return *face_;
}

void GlyphText::setSize(int pixels) {
    Face& f = face();
    if (f.size == pixels) return;
    if (FT_Set_Pixel_Sizes(f.face, 0, static_cast<FT_UInt>(pixels)) != 0)
        throw Error(kFileAccess,
                    "Path/File access error: the typeface " + file_ + " has no size " + std::to_string(pixels));
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
    setSize(size);
    const FT_Face face = face_->face;
    const bool embolden = bold && !(face->style_flags & FT_STYLE_FLAG_BOLD);
    double pen = x;
    for (const char32_t c : codePoints(utf8)) {
        const FT_UInt glyph = FT_Get_Char_Index(face, c);
        if (FT_Load_Glyph(face, glyph, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) continue;
        FT_GlyphSlot slot = face->glyph;
        const double advance = static_cast<double>(slot->linearHoriAdvance) / 65536.0;
        const double whole = std::floor(pen);
        const int quarter = static_cast<int>(std::floor((pen - whole) * kSubPixelSteps));
        if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
            if (embolden) FT_GlyphSlot_Embolden(slot);
            FT_Outline_Translate(&slot->outline, quarter * 64 / kSubPixelSteps, 0);
            if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0)
                paint(slot->bitmap, static_cast<int>(whole) + slot->bitmap_left, baseline - slot->bitmap_top, picture,
                      rgb);
        }
        pen += advance;
    }
}

}  // namespace tellvane::raster
