#include "pagewriter/PageBook.h"

#include <vector>

#include "common/Error.h"
#include "pagewriter/PageDocument.h"
#include "pagewriter/PageDocumentParts.h"
#include "pagewriter/PageErrors.h"
#include "pagewriter/PageFile.h"
#include "pagewriter/PdfContent.h"
#include "pagewriter/PdfNumbers.h"
#include "pagewriter/PdfObjects.h"
#include "pagewriter/TextLayout.h"

namespace tellvane::pagewriter {

namespace {

// Objects of known number; the pages, their contents and the outline follow.
enum Object { kCatalogue = 1, kPages, kInfo, kFont, kFirstFree = kFont + 6 };

void appendRef(std::string& out, int number) {
    appendInteger(out, number);
    out += " 0 R";
}

struct Mark {
    int depth;
    std::u16string title;
    int page;  // index of the page it leads to
};

struct OutlineNode {
    std::u16string title;
    int page = 0;
    int parent = -1;
    std::vector<int> children;
    int object = 0;
    int descendants = 0;
};

}  // namespace

struct PageBook::Writer : PlotDocumentFactory {
    Writer(const std::string& path, std::u16string title, PageWriterOptions opts)
        : options(std::make_shared<const PageWriterOptions>(std::move(opts))),
          file(path),
          pdf([this](std::string_view bytes) { file.write(bytes); }),
          title(std::move(title)) {
        if (options->typefaces.empty() || !faceAvailable(options->typefaces.front()))
            throw Error(kNoTypeface, "The page writer found no file of its typeface");
        face = faceOf(options->typefaces.front());
        font = std::make_unique<PdfFont>(*face, GlyphNumbers::FirstUse);
    }

    std::unique_ptr<PlotDocument> create() override {
        auto parts = std::make_unique<PageDocument::Parts>();
        parts->options = options;
        parts->output = [this](FinishedPage finished) {
            return std::make_unique<OutputJob>([this, page = std::move(finished)] { add(page); }, false,
                                               std::function<void()>());
        };
        return std::make_unique<PageDocument>(std::move(parts));
    }

    void add(const FinishedPage& finished) {
        if (finished.typeface != &options->typefaces.front())
            throw Error(kOutputFailed, "A page of the book could not be written: a book holds one typeface, " +
                                           options->typefaces.front().family);
        const PageSetup& setup = finished.setup;
        PdfContent content(setup, *font, face->metrics());
        for (const DrawOp& op : finished.page.ops()) {
            if (const auto* line = std::get_if<LineOp>(&op)) {
                content.line(*line);
                continue;
            }
            const auto& text = std::get<TextOp>(op);
            const TextRun run = layOut(text, setup, *face);
            for (std::size_t i = 0; i < run.glyphs.size(); ++i) font->use(run.glyphs[i], run.codePoints[i]);
            content.text(text, run);
        }
        const int contents = next++;
        pdf.stream(contents, "", content.finish());
        for (int copy = 0; copy < setup.copies(); ++copy) {
            const Vec2 size = setup.sheetPoints();
            std::string page = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 ";
            appendFixed(page, size.x, 0);
            page += ' ';
            appendFixed(page, size.y, 0);
            page += "] /Resources << /Font << /F1 4 0 R >> >> /Contents ";
            appendRef(page, contents);
            page += " >>";
            pageObjects.push_back(next);
            pdf.object(next++, page);
        }
    }

    void writePageTree() {
        std::string pages = "<< /Type /Pages /Kids [";
        for (const int p : pageObjects) {
            appendRef(pages, p);
            pages += ' ';
        }
        pages += "] /Count ";
        appendInteger(pages, static_cast<std::int64_t>(pageObjects.size()));
        pdf.object(kPages, pages + " >>");
    }

    // The marks as a tree under a root (node 0), each under the last mark one above it.
    std::vector<OutlineNode> outlineTree() const {
        std::vector<OutlineNode> nodes(1);
        std::vector<int> open{0};  // the last node of each depth, the root first
        for (const Mark& m : marks) {
            const auto depth = static_cast<std::size_t>(std::max(0, m.depth));
            open.resize(std::min(open.size(), depth + 1));
            const int parent = open.back();
            nodes.push_back({m.title, m.page, parent, {}, 0, 0});
            const int self = static_cast<int>(nodes.size()) - 1;
            nodes[static_cast<std::size_t>(parent)].children.push_back(self);
            open.push_back(self);
        }
        for (std::size_t i = nodes.size(); i-- > 1;)
            nodes[static_cast<std::size_t>(nodes[i].parent)].descendants += 1 + nodes[i].descendants;
        return nodes;
    }

    // Every entry open: its count is all the entries under it.
    int writeOutline() {
        std::vector<OutlineNode> nodes = outlineTree();
        for (OutlineNode& n : nodes) n.object = next++;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const OutlineNode& n = nodes[i];
            std::string o = "<< ";
            if (i == 0) {
                o += "/Type /Outlines ";
            } else {
                o += "/Title " + pdfTextString(n.title) + " /Parent ";
                appendRef(o, nodes[static_cast<std::size_t>(n.parent)].object);
                const auto& siblings = nodes[static_cast<std::size_t>(n.parent)].children;
                for (std::size_t k = 0; k < siblings.size(); ++k) {
                    if (siblings[k] != static_cast<int>(i)) continue;
                    if (k > 0) {
                        o += " /Prev ";
                        appendRef(o, nodes[static_cast<std::size_t>(siblings[k - 1])].object);
                    }
                    if (k + 1 < siblings.size()) {
                        o += " /Next ";
                        appendRef(o, nodes[static_cast<std::size_t>(siblings[k + 1])].object);
                    }
                }
                o += " /Dest [";
                appendRef(o, pageObjects.at(static_cast<std::size_t>(n.page)));
                o += " /Fit] ";
            }
            if (!n.children.empty()) {
                o += "/First ";
                appendRef(o, nodes[static_cast<std::size_t>(n.children.front())].object);
                o += " /Last ";
                appendRef(o, nodes[static_cast<std::size_t>(n.children.back())].object);
                o += " /Count ";
                appendInteger(o, n.descendants);
            }
            pdf.object(n.object, o + " >>");
        }
        return nodes.front().object;
    }

    void finish() {
        if (pageObjects.empty())
            throw Error(kOutputFailed, "The book could not be written", "it has no page", {path()});
        font->cut();
        font->write(pdf, kFont);
        writePageTree();
        const int outline = writeOutline();
        pdf.object(kInfo, "<< /Title " + pdfTextString(title) +
                              " /Creator (Tellvane yearbook) /Producer (Tellvane page writer) >>");
        std::string catalogue = "<< /Type /Catalog /Pages 2 0 R /Outlines ";
        appendRef(catalogue, outline);
        catalogue += " /PageMode /UseOutlines /PageLabels << /Nums [0 << /S /D >>] >> >>";
        pdf.object(kCatalogue, catalogue);
        pdf.finish(kCatalogue, kInfo);
        file.commit();
    }

    std::string path() const { return bookPath; }

    std::shared_ptr<const PageWriterOptions> options;
    std::string bookPath;
    PageFile file;
    PdfObjects pdf;
    std::u16string title;
    std::shared_ptr<const Typeface> face;
    std::unique_ptr<PdfFont> font;
    std::vector<int> pageObjects;
    std::vector<Mark> marks;
    int next = kFirstFree;
};

PageBook::PageBook(const std::string& path, std::u16string title, PageWriterOptions options)
    : writer_(std::make_unique<Writer>(path, std::move(title), std::move(options))) {
    writer_->bookPath = path;
}

PageBook::~PageBook() = default;

PlotDocumentFactory& PageBook::pages() { return *writer_; }

void PageBook::mark(int depth, std::u16string title) {
    writer_->marks.push_back({depth, std::move(title), pageCount()});
}

int PageBook::pageCount() const { return static_cast<int>(writer_->pageObjects.size()); }

void PageBook::finish() { writer_->finish(); }

}  // namespace tellvane::pagewriter
