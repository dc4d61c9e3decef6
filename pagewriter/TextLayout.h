#pragma once
// Where a text's glyphs go: the character box of the width and height placed by the
// anchor code and turned about the anchor point, in the face's own advances. Shared
// by both file formats.

#include <cstdint>
#include <string>
#include <vector>

#include "pagewriter/DisplayList.h"
#include "pagewriter/PageSetup.h"
#include "pagewriter/Typeface.h"

namespace tellvane::pagewriter {

/// x' = a x + c y + e, y' = b x + d y + f.
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
};

struct TextRun {
    std::u32string codePoints;
    std::vector<std::uint32_t> glyphs;  ///< the face's glyph of each code point
    double advance = 0;                 ///< the whole text's, ems
    /// From the box's space (ems, y upward, the anchor point at the origin) to the
    /// sheet (millimetres from its lower-left corner, y upward).
    Affine box;
    /// Where the baseline starts in the box's space, ems.
    Vec2 baseline;
    /// From text space (ems, y upward, the baseline's start at the origin) to the sheet.
    Affine toSheet;
};

/// The text laid out with the face. Throws kOutputFailed naming the character when
/// the face has no glyph for one, or the text holds a broken UTF-16 sequence.
TextRun layOut(const TextOp& text, const PageSetup& setup, const Typeface& face);

/// The page point in millimetres from the sheet's lower-left corner.
Vec2 onSheet(Vec2 page, const PageSetup& setup);

}  // namespace tellvane::pagewriter
