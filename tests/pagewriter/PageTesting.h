#pragma once
// What the page writer's tests share: a document set up as the control sets it up,
// the wait for its output, the files of a directory, and the poppler tools that
// read the PDF files back.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "pagewriter/PageDocument.h"

namespace tellvane::pagewriter::test {

/// A document of the default options with the control's set-up values, started and
/// ready for drawing.
std::unique_ptr<PlotDocument> startedDocument(PageWriterOptions options = {});

/// Polls Done after OutputToFile as the control does; false if it never turns true.
bool waitUntilDone(PlotDocument& doc);

/// Hands the page to the file, waits and closes.
void writeTo(PlotDocument& doc, const std::string& path);

/// A directory of its own, removed with everything in it at the end.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    /// The names in the directory, hidden ones too, sorted.
    std::vector<std::string> entries() const;

private:
    std::string path_;
};

/// The file's bytes; empty when it cannot be read.
std::string contents(const std::string& path);

/// The standard output of a shell command, with its exit status.
struct CommandResult {
    int status;
    std::string out;
};
CommandResult runCommand(const std::string& command);

/// The file's text as pdftotext reads it (-raw: in drawing order).
std::string pdfText(const std::string& pdf);

/// An RGB picture, 8 bits a channel, rows from the top.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    bool empty() const { return rgb.empty(); }
    const std::uint8_t* at(int x, int y) const { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
    bool valid(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

/// The PDF's first page rendered by pdftoppm at the dots per inch, in colour.
Picture renderedPage(const std::string& pdf, int dpi);

/// The darkest grey level (0 black, 255 white) within r pixels of a point given in
/// millimetres from the lower-left corner of a sheet 297 mm high (A3 landscape).
int darkestNear(const Picture& page, int dpi, double xMm, double yMm, int r = 1);

/// The texts of pdftotext -bbox: each word with its box in millimetres, y upward
/// from the lower-left corner of a sheet 297 mm high (A3 landscape, A4 portrait).
struct WordBox {
    std::string word;
    double left, bottom, right, top;
};
std::vector<WordBox> wordBoxes(const std::string& pdf);

/// The fonts pdffonts lists, one line each without the heading.
std::vector<std::string> pdfFonts(const std::string& pdf);

}  // namespace tellvane::pagewriter::test
