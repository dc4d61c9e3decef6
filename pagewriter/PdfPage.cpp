#include "pagewriter/PageFormats.h"
#include "pagewriter/PdfFont.h"
#include "pagewriter/PdfNumbers.h"
#include "pagewriter/PdfObjects.h"
#include "pagewriter/PenTable.h"
#include "pagewriter/TextLayout.h"

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

// The objects of the file, by number. The pages come last, one per copy.
enum Object { kCatalogue = 1, kPages, kInfo, kContent, kFont };
constexpr int kFontObjects = 5;

class Content {
public:
    Content(const PageSetup& setup, PdfFont& font, const FaceMetrics& face)
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

    void line(const LineOp& line) {
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

    void text(const TextOp& op, const TextRun& run) {
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

    std::string finish() {
        endPath();
        return std::move(out_);
    }

private:
    // Text space y upward, as PDF texts are drawn, from the baseline's start.
    void glyphs(const TextRun& run, double shift) {
        out_ += "1 0 0 -1 0 0 Tm\n";
        number(run.baseline.x * kUnitsPerEm + shift, kDecimals);
        number(run.baseline.y * kUnitsPerEm, kDecimals);
        out_ += "Td <";
        for (const std::uint32_t g : run.glyphs) appendHex(out_, font_.cid(g), 4);
        out_ += "> Tj\n";
    }
    void number(double v, int decimals) {
        appendFixed(out_, v, decimals);
        out_ += ' ';
    }
    void point(Vec2 mm) {
        number(mm.x * kUnitsPerMm, kDecimals);
        number((height_ - mm.y) * kUnitsPerMm, kDecimals);
    }
    void endPath() {
        if (inPath_) out_ += "S\n";
        inPath_ = false;
    }
    void colour(Rgb c, const char* op) {
        if (setup_.monochrome()) c = {};
        for (const int v : {c.red, c.green, c.blue}) number(v / 255.0, 6);
        out_ += op;
        out_ += '\n';
    }
    // The pen's colour, width and pattern for the lines that follow.
    void stroke(const LineOp& line) {
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

    const PageSetup& setup_;
    PdfFont& font_;
    double emboldening_;  // thousandths of an em
    double height_;       // the sheet's, millimetres
    std::string out_;
    bool inPath_ = false;
    std::int32_t pathPen_ = 0;
    LineStyle pathStyle_;
};

std::string pagesObject(int first, int copies) {
    std::string pages = "<< /Type /Pages /Kids [";
    for (int i = 0; i < copies; ++i) {
        appendInteger(pages, first + i);
        pages += " 0 R ";
    }
    pages += "] /Count ";
    appendInteger(pages, copies);
    return pages + " >>";
}

std::string pageObject(const PageSetup& setup, bool withFont) {
    const Vec2 size = setup.sheetPoints();
    std::string page = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 ";
    appendFixed(page, size.x, 0);
    page += ' ';
    appendFixed(page, size.y, 0);
    page += "] /Resources << ";
    if (withFont) page += "/Font << /F1 5 0 R >> ";
    return page + ">> /Contents 4 0 R >>";
}

}  // namespace

std::string pdfPage(const DisplayList& page, const PageSetup& setup, const Typeface& face) {
    // The texts are laid out first: the font is cut to their glyphs before the
    // content can name the glyphs by their numbers in the cut font.
    std::vector<TextRun> runs;
    PdfFont font(face);
    for (const DrawOp& op : page.ops()) {
        if (const auto* text = std::get_if<TextOp>(&op)) {
            runs.push_back(layOut(*text, setup, face));
            for (std::size_t i = 0; i < runs.back().glyphs.size(); ++i)
                font.use(runs.back().glyphs[i], runs.back().codePoints[i]);
        }
    }
    if (!font.empty()) font.cut();

    Content content(setup, font, face.metrics());
    auto run = runs.begin();
    for (const DrawOp& op : page.ops()) {
        if (const auto* line = std::get_if<LineOp>(&op))
            content.line(*line);
        else
            content.text(std::get<TextOp>(op), *run++);
    }

    // Without texts there is no font, and the pages follow the content.
    const int firstPage = font.empty() ? kFont : kFont + kFontObjects;
    PdfObjects pdf;
    pdf.object(kCatalogue, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.object(kPages, pagesObject(firstPage, setup.copies()));
    pdf.object(kInfo, "<< /Title " + pdfTextString(page.title()) +
                          " /Creator (Tellvane plot document) /Producer (Tellvane page writer) >>");
    pdf.stream(kContent, "", content.finish());
    if (!font.empty()) font.write(pdf, kFont);
    for (int copy = 0; copy < setup.copies(); ++copy) pdf.object(firstPage + copy, pageObject(setup, !font.empty()));
    return pdf.finish(kCatalogue, kInfo);
}

}  // namespace tellvane::pagewriter
