#include <optional>

#include "common/Text.h"
#include "pagewriter/PageFormats.h"
#include "pagewriter/PdfNumbers.h"
#include "pagewriter/PenTable.h"
#include "pagewriter/TextLayout.h"

namespace tellvane::pagewriter {

namespace {

// Micrometres on the sheet, whose user unit is the millimetre.
constexpr int kDecimals = 3;

void escaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
}

class Svg {
public:
    Svg(const PageSetup& setup, const Typeface& face, const std::string& family)
        : setup_(setup), face_(face), family_(family), height_(setup.sheet().y) {}

    void line(const LineOp& line) {
        // A line without length draws nothing, not even the dot its ends would make.
        if (line.from.x == line.to.x && line.from.y == line.to.y) return;
        if (!inPath_ || !(line.pen == pathPen_ && line.style == pathStyle_)) {
            endPath();
            startPath(line);
        }
        out_ += 'M';
        point(onSheet(line.from, setup_));
        out_ += 'L';
        point(onSheet(line.to, setup_));
    }

    void text(const TextOp& op) {
        endPath();
        const Affine t = layOut(op, setup_, face_).toSheet;
        // Text space runs y downward in SVG as the sheet does: the matrix is the
        // layout's turned upside down on both sides.
        out_ += "<text xml:space=\"preserve\" transform=\"matrix(";
        for (const double v : {t.a, -t.b, -t.c, t.d, t.e, height_ - t.f}) number(v);
        out_.back() = ')';
        out_ += "\" font-family=\"";
        escaped(out_, family_);
        out_ += "\" font-size=\"1\"";
        if (op.bold) out_ += " font-weight=\"bold\"";
        out_ += " fill=\"";
        colour(penOf(op.pen).colour);
        out_ += "\">";
        escaped(out_, toUtf8(op.text));
        out_ += "</text>\n";
    }

    std::string finish() {
        endPath();
        return std::move(out_);
    }

private:
    void number(double v) {
        appendFixed(out_, v, kDecimals);
        out_ += ' ';
    }
    void point(Vec2 mm) {
        number(mm.x);
        number(height_ - mm.y);
    }
    void colour(Rgb c) {
        if (setup_.monochrome()) c = {};
        out_ += '#';
        for (const int v : {c.red, c.green, c.blue}) appendHex(out_, static_cast<std::uint32_t>(v), 2);
    }
    void endPath() {
        if (!inPath_) return;
        out_.back() = '"';
        out_ += "/>\n";
        inPath_ = false;
    }
    void startPath(const LineOp& line) {
        static constexpr const char* kCaps[] = {"butt", "round", "square"};
        const Pen& pen = penOf(line.pen);
        out_ += "<path fill=\"none\" stroke=\"";
        colour(pen.colour);
        out_ += "\" stroke-width=\"";
        appendFixed(out_, pen.width * line.style.widthFactor, kDecimals);
        out_ += "\" stroke-linecap=\"";
        out_ += kCaps[static_cast<int>(setup_.lineEnds())];
        const std::vector<double> pattern = dashPattern(line.style, setup_);
        if (!pattern.empty()) {
            out_ += "\" stroke-dasharray=\"";
            for (const double mm : pattern) number(mm);
            out_.back() = '"';
            out_ += " stroke-dashoffset=\"";
            appendFixed(out_, setup_.patternOffset(), kDecimals);
        }
        out_ += "\" d=\"";
        inPath_ = true;
        pathPen_ = line.pen;
        pathStyle_ = line.style;
    }

    const PageSetup& setup_;
    const Typeface& face_;
    const std::string& family_;
    double height_;
    std::string out_;
    bool inPath_ = false;
    std::int32_t pathPen_ = 0;
    LineStyle pathStyle_;
};

}  // namespace

PageFormat formatOf(std::string_view path) {
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string_view::npos || path[dot] != '.' || path.size() - dot != 4) return PageFormat::Pdf;
    std::string extension(path.substr(dot + 1));
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return extension == "svg" ? PageFormat::Svg : PageFormat::Pdf;
}

std::string svgPage(const DisplayList& page, const PageSetup& setup, const Typeface& face, const std::string& family) {
    const Vec2 sheet = setup.sheet();
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg width=\"";
    appendFixed(out, sheet.x, kDecimals);
    out += "mm\" height=\"";
    appendFixed(out, sheet.y, kDecimals);
    out += "mm\" viewBox=\"0 0 ";
    appendFixed(out, sheet.x, kDecimals);
    out += ' ';
    appendFixed(out, sheet.y, kDecimals);
    out += "\" xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\">\n<title>";
    escaped(out, toUtf8(page.title()));
    out += "</title>\n<desc>Tellvane plot document</desc>\n";
    Svg svg(setup, face, family);
    for (const DrawOp& op : page.ops()) {
        if (const auto* line = std::get_if<LineOp>(&op))
            svg.line(*line);
        else
            svg.text(std::get<TextOp>(op));
    }
    out += svg.finish();
    out += "</svg>\n";
    return out;
}

}  // namespace tellvane::pagewriter
