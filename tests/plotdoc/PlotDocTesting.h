#pragma once
// What the plot document tests share: a document set up as the control sets it up,
// the wait for its output, and the poppler tools that read the files back.

#include <QImage>
#include <QString>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "plotdoc/PdfPlotDocument.h"

namespace tellvane::plotdoc::test {

/// A document with the control's set-up values, started and ready for drawing.
inline std::unique_ptr<PdfPlotDocument> startedDocument() {
    auto doc = std::make_unique<PdfPlotDocument>();
    doc->SetupValue10(1.0);
    doc->SetupValue11(3);
    doc->StartDocument();
    doc->SetupValue1(u"");
    doc->SetupValue7(0);
    doc->SetupValue2(2.0);
    doc->SetupValue9(1);
    doc->SetupValue8(1);
    doc->SetupValue12(true);
    doc->SetupValue4(3.0);
    doc->SetupValue3(2.0);
    doc->SetupValue5(0.0);
    doc->SetupValue6(0);
    return doc;
}

/// Polls Done after OutputToFile as the control does; false if it never turns true.
inline bool waitUntilDone(PlotDocument& doc) {
    // A bound only so that a broken output cannot hang the suite.
    for (int i = 0; i < 60000; ++i) {
        if (doc.Done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

/// Hands the page to the file, waits and closes.
inline void writeTo(PlotDocument& doc, const QString& path) {
    doc.OutputToFile(path.toStdU16String());
    waitUntilDone(doc);
    doc.CloseDocument();
}

/// The standard output of a shell command, with its exit status.
struct CommandResult {
    int status;
    std::string out;
};
CommandResult runCommand(const std::string& command);

/// The file's text as pdftotext reads it (-raw: in drawing order).
std::string pdfText(const QString& pdf);

/// The PDF's page rendered by pdftoppm at the dots per inch, in colour.
QImage renderedPage(const QString& pdf, int dpi);

/// The darkest grey level (0 black, 255 white) within r pixels of a point given in
/// millimetres from the lower-left corner of a sheet 297 mm high (A3 landscape).
int darkestNear(const QImage& page, int dpi, double xMm, double yMm, int r = 1);

/// The texts of pdftotext -bbox: each word with its box in millimetres, y upward
/// from the lower-left corner of a sheet 297 mm high (A3 landscape, A4 portrait).
struct WordBox {
    std::string word;
    double left, bottom, right, top;
};
std::vector<WordBox> wordBoxes(const QString& pdf);

}  // namespace tellvane::plotdoc::test
