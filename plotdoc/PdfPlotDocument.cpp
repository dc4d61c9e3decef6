#include "plotdoc/PdfPlotDocument.h"

#include "common/Error.h"
#include "plotdoc/PageFormats.h"
#include "plotdoc/PlotDocErrors.h"

namespace tellvane::plotdoc {

namespace {

[[noreturn]] void outOfOrder(const char* call, const char* why) {
    throw Error(kOutOfOrder, std::string(call) + " refused: " + why);
}

}  // namespace

// The set-up may change until the page is handed over: it applies when the page is rendered.
void PdfPlotDocument::setup(const char* value) {
    if (state_ == State::Output || state_ == State::Closed) outOfOrder(value, "the page has been handed to output");
}

void PdfPlotDocument::drawing(const char* call) {
    if (state_ == State::Created) outOfOrder(call, "StartDocument has not been called");
    if (state_ != State::Started) outOfOrder(call, "the page has been handed to output");
}

bool PdfPlotDocument::Active() { return state_ == State::Started || state_ == State::Output; }
bool PdfPlotDocument::Done() { return output_ && output_->done(); }

void PdfPlotDocument::SetupValue1(const std::u16string& v) {
    setup("SetupValue1");
    setup_.setFontFamily(v);
}
void PdfPlotDocument::SetupValue2(double v) {
    setup("SetupValue2");
    setup_.setDashLength(v);
}
void PdfPlotDocument::SetupValue3(double v) {
    setup("SetupValue3");
    setup_.setGapLength(v);
}
void PdfPlotDocument::SetupValue4(double v) {
    setup("SetupValue4");
    setup_.setLongDashLength(v);
}
void PdfPlotDocument::SetupValue5(double v) {
    setup("SetupValue5");
    setup_.setPatternOffset(v);
}
void PdfPlotDocument::SetupValue6(std::int32_t v) {
    setup("SetupValue6");
    setup_.setOrigin(v);
}
void PdfPlotDocument::SetupValue7(std::int32_t v) {
    setup("SetupValue7");
    setup_.setColourMode(v);
}
void PdfPlotDocument::SetupValue8(std::int32_t v) {
    setup("SetupValue8");
    setup_.setCopies(v);
}
void PdfPlotDocument::SetupValue9(std::int32_t v) {
    setup("SetupValue9");
    setup_.setLineEnds(v);
}
void PdfPlotDocument::SetupValue10(double v) {
    setup("SetupValue10");
    setup_.setUnitLength(v);
}
void PdfPlotDocument::SetupValue11(std::int32_t v) {
    setup("SetupValue11");
    setup_.setPaperSize(v);
}
void PdfPlotDocument::SetupValue12(bool v) {
    setup("SetupValue12");
    setup_.setLandscape(v);
}

void PdfPlotDocument::StartDocument() {
    if (state_ != State::Created) outOfOrder("StartDocument", "a document holds one page and is started once");
    state_ = State::Started;
}

void PdfPlotDocument::DrawLine(double x1, double y1, double x2, double y2, const PlotPen& pen, OptionalValue opt1,
                               OptionalValue opt2, OptionalValue opt3) {
    drawing("DrawLine");
    page_.addLine(x1, y1, x2, y2, pen, opt1, opt2, opt3);
}

void PdfPlotDocument::DrawText(double x, double y, const std::u16string& text, const ReservedWords& reserved,
                               double width, double height, double extra, const PlotPen& pen, OptionalValue option,
                               OptionalValue anchor) {
    drawing("DrawText");
    page_.addText(x, y, text, reserved, width, height, extra, pen, option, anchor, false);
}

void PdfPlotDocument::DrawTitle(double x, double y, const std::u16string& text, const ReservedWords& reserved,
                                double width, double height, double extra, const PlotPen& pen, OptionalValue option,
                                OptionalValue anchor) {
    drawing("DrawTitle");
    page_.addText(x, y, text, reserved, width, height, extra, pen, option, anchor, true);
}

void PdfPlotDocument::OutputToFile(const std::u16string& path) {
    drawing("OutputToFile");
    if (path.empty()) throw Error(kOutputFailed, "OutputToFile refused: the file name is empty");
    const QString file = QString::fromStdU16String(path);
    const PageFormat format = formatOf(file);
    if (format == PageFormat::Svg && setup_.copies() != 1)
        throw Error(kSetupRefused, "SetupValue8 refused: an SVG file holds one page, so copies must be 1");
    // The page and set-up are final from here; the thread renders them undisturbed.
    state_ = State::Output;
    output_ = std::make_unique<OutputJob>(
        [page = std::move(page_), setup = setup_, format] {
            return format == PageFormat::Svg ? renderSvg(page, setup) : renderPdf(page, setup);
        },
        file);
}

void PdfPlotDocument::CloseDocument() {
    if (state_ == State::Closed) return;
    state_ = State::Closed;
    if (!output_) return;
    if (const auto failure = output_->wait()) throw Error(kOutputFailed, *failure);
}

}  // namespace tellvane::plotdoc
