#include "pagewriter/PdfContent.h"

#include "pagewriter/PdfNumbers.h"
#include "pagewriter/PenTable.h"

namespace tellvane::pagewriter {

namespace {

// The content is drawn in hundredths of a millimetre from the sheet's top-left
// corner, y downward, and each text in thousandths of an em of its box: whole
// numbers for most of the chart, and the way PDF readers have long been fed pages
// of this kind, so that they place and smooth the texts as on earlier pages.
constexpr double kUnitsPerMm = 100.0;
constexpr double kUnitsPerEm = 1000.0;
// Ten thousandths of a unit: a hundredth of a micrometre.
constexpr int kDecimals = 4;
// Points per hundredth of a millimetre, 72 / 2540 cut to nine decimals as earlier
// pages of this kind were drawn: at 100 dpi many rules' edges fall on half pixels,
// and readers that snap rules to whole pixels round those alike only with the same
// factor.
constexpr char kPageMatrix[] = "0.028346456 0 0 -0.028346456 0 ";

}  // namespace

PdfContent::PdfContent(const PageSetup& setup, const PdfFont& font, const FaceMetrics& face)
    : setup_(setup),
      font_(font),
      emboldening_(face.underlineThickness / 2.0 / face.unitsPerEm * kUnitsPerEm),
      height_(setup.sheet().y) {
    out_ = kPageMatrix;
    appendFixed(out_, setup.sheetPoints().y, 0);
    out_ += " cm\n";
    // Every line and dash ends alike (1 round, 2 square, 0 flat).
    appendInteger(out_, static_cast<int>(setup.lineEnds()));
    out_ += " J\n";
}

void PdfContent::line(const LineOp& line) {
    // A line without length draws nothing, not even the dot its ends would make.
    if (line.from.x == line.to.x && line.from.y == line.to.y) return;
    if (!inPath_ || !(line.pen == pathPen_ && line.style == pathStyle_)) {
        endPath();
        stroke(line);
    }
    point(onSheet(line.from, setup_));
    out_ += "m ";
    point(onSheet(line.to, setup_));
    out_ += "l\n";
    inPath_ = true;
}

void PdfContent::text(const TextOp& op, const TextRun& run) {
    endPath();
    // The box's space, y downward as the page's, in thousandths of an em.
    const Affine& b = run.box;
    out_ += "q\n";
    const double perEm = kUnitsPerMm / kUnitsPerEm;
    for (const double v : {b.a * perEm, -b.b * perEm, -b.c * perEm, b.d * perEm}) number(v, 6);
    point({b.e, b.f});
    out_ += "cm\n";
    colour(penOf(op.pen).colour, "rg");
    out_ += "BT\n/F1 1000 Tf\n";
    glyphs(run, 0.0);
    if (op.bold) {
        // The face has no bold: the text is drawn again, moved back along its
        // baseline by half the face's rule thickness, and marked as no text of
        // its own so that it is read once.
        out_ += "/Span << /ActualText () >> BDC\n";
        glyphs(run, -emboldening_);
        out_ += "EMC\n";
    }
    out_ += "ET\nQ\n";
}

std::string PdfContent::finish() {
    endPath();
    return std::move(out_);
}

// Text space y upward, as PDF texts are drawn, from the baseline's start.
void PdfContent::glyphs(const TextRun& run, double shift) {
    out_ += "1 0 0 -1 0 0 Tm\n";
    number(run.baseline.x * kUnitsPerEm + shift, kDecimals);
    number(run.baseline.y * kUnitsPerEm, kDecimals);
    out_ += "Td <";
    for (const std::uint32_t g : run.glyphs) appendHex(out_, font_.cid(g), 4);
    out_ += "> Tj\n";
}

void PdfContent::number(double v, int decimals) {
    appendFixed(out_, v, decimals);
    out_ += ' ';
}

void PdfContent::point(Vec2 mm) {
    number(mm.x * kUnitsPerMm, kDecimals);
    number((height_ - mm.y) * kUnitsPerMm, kDecimals);
}

void PdfContent::endPath() {
    if (inPath_) out_ += "S\n";
    inPath_ = false;
}

void PdfContent::colour(Rgb c, const char* op) {
    if (setup_.monochrome()) c = {};
    for (const int v : {c.red, c.green, c.blue}) number(v / 255.0, 6);
    out_ += op;
    out_ += '\n';
}

// The pen's colour, width and pattern for the lines that follow.
void PdfContent::stroke(const LineOp& line) {
    const Pen& pen = penOf(line.pen);
    colour(pen.colour, "RG");
    const double width = pen.width * line.style.widthFactor;
    number(width * kUnitsPerMm, kDecimals);
    out_ += "w [";
    for (const double mm : dashPattern(line.style, setup_)) number(mm * kUnitsPerMm, kDecimals);
    out_ += "] ";
    number(line.style.type == LineType::Solid ? 0.0 : setup_.patternOffset() * kUnitsPerMm, kDecimals);
    out_ += "d\n";
    pathPen_ = line.pen;
    pathStyle_ = line.style;
}

}  // namespace tellvane::pagewriter
