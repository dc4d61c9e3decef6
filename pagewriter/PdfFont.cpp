#include "pagewriter/PdfFont.h"

#include <algorithm>
#include <numeric>

#include "pagewriter/PdfNumbers.h"

namespace tellvane::pagewriter {

namespace {

// A bfchar section holds at most 100 entries.
constexpr std::size_t kMapSection = 100;

void appendRef(std::string& out, int number) {
    appendInteger(out, number);
    out += " 0 R";
}

// Face units as thousandths of an em, as PDF fonts measure.
double thousandths(int units, int unitsPerEm) { return units * 1000.0 / unitsPerEm; }

void appendUtf16(std::string& out, char32_t c) {
    if (c > 0xFFFF) {
        const char32_t v = c - 0x10000;
        appendHex(out, static_cast<std::uint32_t>(0xD800 + (v >> 10)), 4);
        appendHex(out, static_cast<std::uint32_t>(0xDC00 + (v & 0x3FF)), 4);
    } else {
        appendHex(out, static_cast<std::uint32_t>(c), 4);
    }
}

}  // namespace

void PdfFont::use(std::uint32_t glyph, char32_t codePoint) {
    if (cids_.emplace(glyph, static_cast<std::uint32_t>(glyphs_.size() + 1)).second) {
        glyphs_.push_back(glyph);
        codePoints_.push_back(codePoint);
    }
}

void PdfFont::cut() {
    subset_ = face_.subset(glyphs_);
    if (numbers_ == GlyphNumbers::Subset)
        for (std::size_t i = 0; i < glyphs_.size(); ++i) cids_[glyphs_[i]] = subset_.glyphs[i];
}

// The glyph set's own tag, so the same glyphs always give the same name.
std::string PdfFont::subsetName() const {
    std::vector<std::uint32_t> sorted = glyphs_;
    std::sort(sorted.begin(), sorted.end());
    std::uint32_t hash = 2166136261u;
    for (const std::uint32_t g : sorted) hash = (hash ^ g) * 16777619u;
    std::string name;
    for (int i = 0; i < 6; ++i, hash /= 26) name += static_cast<char>('A' + hash % 26);
    return name + "+" + face_.postScriptName();
}

// [cid [width] ...] for every glyph in use, by embedded number.
std::string PdfFont::cidWidths() const {
    std::vector<std::size_t> order(glyphs_.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](auto a, auto b) { return cidAt(a) < cidAt(b); });
    std::string w = "[";
    for (const std::size_t i : order) {
        appendInteger(w, cidAt(i));
        w += " [";
        appendFixed(w, thousandths(face_.advance(glyphs_[i]), face_.metrics().unitsPerEm), 3);
        w += "] ";
    }
    w += ']';
    return w;
}

std::string PdfFont::unicodeMap() const {
    std::string map =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    for (std::size_t from = 0; from < glyphs_.size(); from += kMapSection) {
        const std::size_t to = std::min(glyphs_.size(), from + kMapSection);
        appendInteger(map, static_cast<std::int64_t>(to - from));
        map += " beginbfchar\n";
        for (std::size_t i = from; i < to; ++i) {
            map += '<';
            appendHex(map, cidAt(i), 4);
            map += "> <";
            appendUtf16(map, codePoints_[i]);
            map += ">\n";
        }
        map += "endbfchar\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return map;
}

void PdfFont::write(PdfObjects& pdf, int first) const {
    const std::string name = "/" + subsetName();
    const FaceMetrics& m = face_.metrics();
    const auto units = [&](std::string& out, int v) { appendFixed(out, thousandths(v, m.unitsPerEm), 0); };

    std::string font = "<< /Type /Font /Subtype /Type0 /BaseFont " + name + " /Encoding /Identity-H /DescendantFonts [";
    appendRef(font, first + 1);
    font += "] /ToUnicode ";
    appendRef(font, first + 3);
    font += " >>";
    pdf.object(first, font);

    std::string cidFont = "<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + name +
                          " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
                          " /FontDescriptor ";
    appendRef(cidFont, first + 2);
    if (numbers_ == GlyphNumbers::Subset) {
        cidFont += " /CIDToGIDMap /Identity";
    } else {
        cidFont += " /CIDToGIDMap ";
        appendRef(cidFont, first + 5);
    }
    cidFont += " /W " + cidWidths() + " >>";
    pdf.object(first + 1, cidFont);

    // Flags 4: symbolic, as a font whose glyphs are chosen by number is.
    std::string descriptor = "<< /Type /FontDescriptor /FontName " + name + " /Flags 4 /FontBBox [";
    for (const int v : {m.xMin, m.yMin, m.xMax, m.yMax}) {
        units(descriptor, v);
        descriptor += ' ';
    }
    descriptor.back() = ']';
    descriptor += " /ItalicAngle 0 /Ascent ";
    units(descriptor, m.ascender);
    descriptor += " /Descent ";
    units(descriptor, m.descender);
    descriptor += " /CapHeight ";
    units(descriptor, m.capHeight);
    // The stem width is not in a TrueType face; readers only use it to pick a
    // substitute face, which an embedded font never needs.
    descriptor += " /StemV 80 /FontFile2 ";
    appendRef(descriptor, first + 4);
    descriptor += " >>";
    pdf.object(first + 2, descriptor);

    pdf.stream(first + 3, "", unicodeMap());
    std::string length1 = "/Length1 ";
    appendInteger(length1, static_cast<std::int64_t>(subset_.file.size()));
    pdf.stream(first + 4, length1, subset_.file);
    if (numbers_ == GlyphNumbers::FirstUse) pdf.stream(first + 5, "", glyphMap());
}

// Two bytes a number, big-endian: the cut's glyph of each number from 0 (.notdef).
std::string PdfFont::glyphMap() const {
    std::string map(2 * (glyphs_.size() + 1), '\0');
    for (std::size_t i = 0; i < glyphs_.size(); ++i) {
        map[2 * i + 2] = static_cast<char>(subset_.glyphs[i] >> 8);
        map[2 * i + 3] = static_cast<char>(subset_.glyphs[i] & 0xFF);
    }
    return map;
}

}  // namespace tellvane::pagewriter
