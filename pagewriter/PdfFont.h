#pragma once
// The page's one font in a PDF: the face cut to the glyphs the page uses, embedded
// as a CID-keyed TrueType font (Identity-H, two bytes per glyph) with the advances
// of its glyphs and a Unicode map, so that the texts can be searched and copied.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "pagewriter/PdfObjects.h"
#include "pagewriter/Typeface.h"

namespace tellvane::pagewriter {

/// How the content names glyphs. A page's file numbers them as its cut of the face
/// does, once the page is laid out. A book names each glyph at its first use, in
/// the order of use from 1, before the face is cut at the book's end, and maps
/// these numbers to the cut's glyphs (a CIDToGIDMap).
enum class GlyphNumbers { Subset, FirstUse };

class PdfFont {
public:
    explicit PdfFont(const Typeface& face, GlyphNumbers numbers = GlyphNumbers::Subset)
        : face_(face), numbers_(numbers) {}

    /// Notes a glyph in use and the code point that drew it, the first one for each glyph.
    void use(std::uint32_t glyph, char32_t codePoint);
    bool empty() const { return glyphs_.empty(); }
    /// Cuts the face to the glyphs in use; from here cid() answers for Subset numbers.
    void cut();
    /// The number the embedded font gives a glyph in use.
    std::uint32_t cid(std::uint32_t glyph) const { return cids_.at(glyph); }
    /// How many objects write appends: 5, and the glyph map for FirstUse numbers.
    int objectCount() const { return numbers_ == GlyphNumbers::Subset ? 5 : 6; }
    /// Appends the font's objects, numbered from first: the font, its descendant,
    /// the descriptor, the Unicode map, the font file and (FirstUse) the glyph map.
    void write(PdfObjects& pdf, int first) const;

private:
    std::string cidWidths() const;
    std::string unicodeMap() const;
    std::string subsetName() const;
    std::string glyphMap() const;
    // The number of the i-th glyph in use.
    std::uint32_t cidAt(std::size_t i) const {
        return numbers_ == GlyphNumbers::Subset ? subset_.glyphs[i] : static_cast<std::uint32_t>(i + 1);
    }

    const Typeface& face_;
    GlyphNumbers numbers_;
    std::vector<std::uint32_t> glyphs_;  // the face's numbers, in the order first used
    std::vector<char32_t> codePoints_;
    std::unordered_map<std::uint32_t, std::uint32_t> cids_;  // face glyph to embedded glyph
    FaceSubset subset_;
};

}  // namespace tellvane::pagewriter
