#include "pagewriter/PageFormats.h"
#include "pagewriter/PdfContent.h"
#include "pagewriter/PdfFont.h"
#include "pagewriter/PdfNumbers.h"
#include "pagewriter/PdfObjects.h"
#include "pagewriter/PenTable.h"
#include "pagewriter/TextLayout.h"

namespace tellvane::pagewriter {

namespace {

// The objects of the file, by number. The pages come last, one per copy.
enum Object { kCatalogue = 1, kPages, kInfo, kContent, kFont };
constexpr int kFontObjects = 5;

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

    PdfContent content(setup, font, face.metrics());
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
