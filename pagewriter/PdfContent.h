#pragma once
// A page's content stream: lines and texts in the page's own units, drawn in
// hundredths of a millimetre from the sheet's top-left corner, each text's glyphs
// named by the numbers the PDF's font gives them.

#include <string>

#include "pagewriter/DisplayList.h"
#include "pagewriter/PdfFont.h"
#include "pagewriter/PenTable.h"
#include "pagewriter/TextLayout.h"

namespace tellvane::pagewriter {

class PdfContent {
public:
    PdfContent(const PageSetup& setup, const PdfFont& font, const FaceMetrics& face);

    void line(const LineOp& line);
    /// The text as laid out; its glyphs must be in use in the font.
    void text(const TextOp& op, const TextRun& run);
    /// The content stream's bytes, uncompressed.
    std::string finish();

private:
    void glyphs(const TextRun& run, double shift);
    void number(double v, int decimals);
    void point(Vec2 mm);
    void endPath();
    void colour(Rgb c, const char* op);
    void stroke(const LineOp& line);

    const PageSetup& setup_;
    const PdfFont& font_;
    double emboldening_;  // thousandths of an em
    double height_;       // the sheet's, millimetres
    std::string out_;
    bool inPath_ = false;
    std::int32_t pathPen_ = 0;
    LineStyle pathStyle_;
};

}  // namespace tellvane::pagewriter
