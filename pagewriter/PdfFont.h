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

class PdfFont {
public:
    explicit PdfFont(const Typeface& face) : face_(face) {}

    /// Notes a glyph in use and the code point that drew it, the first one for each glyph.
    void use(std::uint32_t glyph, char32_t codePoint);
    bool empty() const { return glyphs_.empty(); }
    /// Cuts the face to the glyphs in use; from here cid() answers.
    void cut();
    /// The number the embedded font gives a glyph in use.
    std::uint32_t cid(std::uint32_t glyph) const { return cids_.at(glyph); }
    /// Appends the font's five objects, numbered from first: the font, its
    /// descendant, the descriptor, the Unicode map and the font file.
    void write(PdfObjects& pdf, int first) const;

private:
    std::string cidWidths() const;
    std::string unicodeMap() const;
    std::string subsetName() const;

    const Typeface& face_;
    std::vector<std::uint32_t> glyphs_;  // the face's numbers, in the order first used
    std::vector<char32_t> codePoints_;
    std::unordered_map<std::uint32_t, std::uint32_t> cids_;  // face glyph to embedded glyph
    FaceSubset subset_;
};

}  // namespace tellvane::pagewriter
