// The module of the plotted page, apart from the chart's module so that the chart
// never loads the page writer and HarfBuzz: the same files and choices as the
// chart on screen, its page written by the control as PDF or SVG in the module's
// own file system, and its bytes handed to the page.
#include <emscripten/bind.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "pagewriter/PageDocument.h"
#include "pagewriter/PageErrors.h"
#include "web/src/WebBook.h"
#include "web/src/WebChart.h"

namespace tellvane::web {
namespace {

// The chart's surface draws on nothing here: only the page is wanted.
class NoCanvas : public canvas::Canvas {
public:
    void resize(int, int, std::uint32_t) override {}
    void fill(int, int, int, int, std::uint32_t) override {}
    void run(const canvas::PixelRun&, std::uint32_t) override {}
    canvas::FontMetrics metrics(double pixels, bool) override {
        return {static_cast<int>(pixels), static_cast<int>(pixels)};
    }
    void text(int, int, const std::string&, double, bool, std::uint32_t) override {}
};

// A page writer for each format, both reading the face the page handed over.
class HandedFacePages : public PlotDocumentFactory {
public:
    void setFace(std::string bytes) {
        auto face = std::make_shared<const std::string>(std::move(bytes));
        typefaces_ = options(face, false).typefaces;
        pdf_ = std::make_unique<pagewriter::PageDocumentFactory>(options(face, false));
        svg_ = std::make_unique<pagewriter::PageDocumentFactory>(options(face, true));
    }
    bool svg = false;  // the format of the next page

    std::unique_ptr<PlotDocument> create() override {
        if (!pdf_) throw Error(pagewriter::kNoTypeface, "The page writer found no file of its typeface IPAGothic");
        return (svg ? svg_ : pdf_)->create();
    }
    /// The typefaces the pages are written with; empty before setFace.
    const std::vector<pagewriter::TypefaceFiles>& typefaces() const { return typefaces_; }

private:
    static pagewriter::PageWriterOptions options(std::shared_ptr<const std::string> face, bool svg) {
        pagewriter::PageWriterOptions o;
        o.typefaces = {{"IPAGothic", {"fonts/ipag.ttf"}, std::move(face)}};
        o.background = false;
        o.svg = svg;
        return o;
    }

    std::unique_ptr<pagewriter::PageDocumentFactory> pdf_, svg_;
    std::vector<pagewriter::TypefaceFiles> typefaces_;
};

/// What write answers: ok with the page's size in bytes, or the reason it failed.
struct PageAnswer {
    bool ok = false;
    std::string error;
    int size = 0;
};

class PlottedPage {
public:
    PlottedPage() : chart_(canvas_, pages_) {}

    /// The face's file as the page fetched it.
    void setFace(const std::string& bytes) { pages_.setFace(bytes); }
    std::string load(const std::vector<std::string>& names, const std::vector<std::string>& texts,
                     const std::string& catalogueName, const std::string& catalogueText) {
        std::vector<PageFile> files;
        for (std::size_t i = 0; i < names.size() && i < texts.size(); ++i) files.push_back({names[i], texts[i]});
        std::string answer = chart_.load(files, {catalogueName, catalogueText});
        if (answer.rfind("{\"error\"", 0) != 0) {  // the book reads the files the chart holds
            files_ = std::move(files);
            catalogue_ = {catalogueName, catalogueText};
        }
        return answer;
    }
    std::string choose(const std::string& station, int year, const std::string& kind) {
        return chart_.choose(station, year, kind);
    }
    std::string setLimits(const std::string& max, const std::string& min) { return chart_.setLimits(max, min); }
    std::string resize(int width, int height) { return chart_.resize(width, height); }

    /// Writes the page as "pdf" or "svg", bytes() holding it when the answer is ok.
    PageAnswer write(const std::string& format) {
        page_.clear();
        pages_.svg = format == "svg";
        const WebAnswer answer = chart_.plotted();
        if (answer.error) return {false, *answer.error, 0};
        const std::string file = chart_.plotFile();
        std::ifstream in(file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        page_ = std::move(bytes).str();
        std::remove(file.c_str());
        return {true, {}, static_cast<int>(page_.size())};
    }
    /// Writes the yearbook of the files loaded, bytes() holding it when the answer is ok.
    PageAnswer book() {
        page_.clear();
        if (pages_.typefaces().empty()) return {false, "The page writer found no file of its typeface IPAGothic", 0};
        if (files_.empty()) return {false, "no data files yet", 0};
        WebBook written = writeWebBook(files_, catalogue_, pages_.typefaces());
        if (!written.error.empty()) return {false, written.error, 0};
        page_ = std::move(written.bytes);
        return {true, {}, static_cast<int>(page_.size())};
    }
    /// Writes the workbook of the files' records, bytes() holding it when the answer is ok.
    PageAnswer workbook() {
        page_.clear();
        if (files_.empty()) return {false, "no data files yet", 0};
        WebBook written = writeWebWorkbook(chart_.stationRecords());
        if (!written.error.empty()) return {false, written.error, 0};
        page_ = std::move(written.bytes);
        return {true, {}, static_cast<int>(page_.size())};
    }
    /// The page last written, valid until the next call: the page copies it at once.
    emscripten::val bytes() const {
        return emscripten::val(
            emscripten::typed_memory_view(page_.size(), reinterpret_cast<const unsigned char*>(page_.data())));
    }

private:
    NoCanvas canvas_;
    HandedFacePages pages_;
    WebChart chart_;
    std::string page_;
    std::vector<PageFile> files_;  // those of the last good load
    PageFile catalogue_;
};

}  // namespace
}  // namespace tellvane::web

EMSCRIPTEN_BINDINGS(tellvane_page) {
    using namespace emscripten;
    using tellvane::web::PlottedPage;
    register_vector<std::string>("StringList");
    value_object<tellvane::web::PageAnswer>("PageAnswer")
        .field("ok", &tellvane::web::PageAnswer::ok)
        .field("error", &tellvane::web::PageAnswer::error)
        .field("size", &tellvane::web::PageAnswer::size);
    class_<PlottedPage>("PlottedPage")
        .constructor<>()
        .function("setFace", &PlottedPage::setFace)
        .function("load", &PlottedPage::load)
        .function("choose", &PlottedPage::choose)
        .function("setLimits", &PlottedPage::setLimits)
        .function("resize", &PlottedPage::resize)
        .function("write", &PlottedPage::write)
        .function("book", &PlottedPage::book)
        .function("workbook", &PlottedPage::workbook)
        .function("bytes", &PlottedPage::bytes);
}
