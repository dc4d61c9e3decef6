#pragma once
// Texts drawn into a picture in memory with FreeType, as the desktop's toolkit draws
// them on its raster images: the font at a whole pixel size, its ascent and descent
// from the face's Windows metrics, glyphs placed by their design advances at
// quarter-pixel positions, hinted vertically only, grey anti-aliasing, and a bold
// made by emboldening the outlines when the face has no bold of its own.

#include <cstdint>
#include <memory>
#include <string>

#include "raster/Picture.h"

namespace tellvane::raster {

struct DrawnGlyph;

/// A font's vertical extent in whole pixels.
struct TextMetrics {
    int ascent = 0;
    int descent = 0;
};

class GlyphText {
public:
    /// The face in the file (TrueType or OpenType), opened at the first text on each
    /// thread and kept by the thread, with the glyphs drawn, for the next texts. Fails
    /// with File access error naming the file when it cannot be read as a face.
    explicit GlyphText(std::string fontFile);
    ~GlyphText();
    GlyphText(const GlyphText&) = delete;
    GlyphText& operator=(const GlyphText&) = delete;

    /// The metrics at a size of pixels (rounded to whole pixels, as the face is drawn).
    TextMetrics metrics(double pixels);
    /// The UTF-8 text with its baseline's left end at (x, baseline), blended over the
    /// picture's pixels in the colour (0xRRGGBB); nothing outside the picture.
    void draw(MutablePicture picture, int x, int baseline, const std::string& utf8, double pixels, bool bold,
              std::uint32_t rgb);

private:
    struct Face;
    Face& face();
    void setSize(Face& face, int pixels);
    DrawnGlyph rendered(Face& face, unsigned index, int size, bool embolden, int quarter);

    std::string file_;
};

}  // namespace tellvane::raster
