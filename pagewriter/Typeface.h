#pragma once
// One TrueType face read from its file with HarfBuzz: the glyphs of code points,
// their advances, the metrics a PDF font descriptor needs, and subsets of the face.
// A face is loaded once per process and shared by every page and thread; from the
// second subset on it is cut from a copy pre-processed once, so a batch of pages
// pays the preparation only once and a single page not at all.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct hb_blob_t;

namespace tellvane::pagewriter {

/// A face's metrics in its own units (unitsPerEm to the em).
struct FaceMetrics {
    int unitsPerEm = 1000;
    int ascender = 0, descender = 0, capHeight = 0;
    int underlineThickness = 0;                  ///< also twice how far a synthesised bold is thickened
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;  ///< the box around every glyph
};

/// A subset: the font file, and the glyph numbers it gives the glyphs asked for,
/// in the order they were asked for.
struct FaceSubset {
    std::string file;
    std::vector<std::uint32_t> glyphs;
};

class Typeface {
public:
    /// The face of the file, read on the first call for the path and kept for the
    /// process. Throws kOutputFailed when the file cannot be read as a face.
    static std::shared_ptr<const Typeface> load(const std::string& path);
    /// The face of bytes a host read (the browser, which has no font files), named
    /// by name in messages; the bytes are shared, not copied. Throws as load does.
    static std::shared_ptr<const Typeface> fromBytes(const std::string& name, std::shared_ptr<const std::string> bytes);

    ~Typeface();
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;

    const std::string& path() const { return path_; }
    const FaceMetrics& metrics() const { return metrics_; }
    /// The face's PostScript name, as a PDF names the font.
    const std::string& postScriptName() const { return postScriptName_; }
    /// The glyph the face maps the code point to; nothing when it has none.
    std::optional<std::uint32_t> glyph(char32_t codePoint) const;
    /// The glyph's horizontal advance, face units.
    int advance(std::uint32_t glyph) const;
    /// The face cut to the glyphs, numbered afresh, without hinting or layout tables.
    /// Throws kOutputFailed when HarfBuzz cannot cut it.
    FaceSubset subset(const std::vector<std::uint32_t>& glyphs) const;

private:
    struct HarfBuzz;
    // Takes the blob, which is nullptr when it could not be read.
    Typeface(std::string path, hb_blob_t* blob);

    std::string path_;
    std::unique_ptr<HarfBuzz> hb_;
    FaceMetrics metrics_;
    std::string postScriptName_;
};

}  // namespace tellvane::pagewriter
