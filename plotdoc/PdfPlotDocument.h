#pragma once
// The plot document that writes its page to a file: PDF, or SVG for a name ending in
// .svg. It records the drawing, and on OutputToFile renders and writes the page in
// the background; CloseDocument reports an output that failed.

#include <memory>

#include "platform/PlotDocument.h"
#include "plotdoc/DisplayList.h"
#include "plotdoc/OutputJob.h"
#include "plotdoc/PageSetup.h"

namespace tellvane::plotdoc {

class PdfPlotDocument final : public PlotDocument {
public:
    /// Needs a running QGuiApplication for its fonts.
    PdfPlotDocument() = default;
    /// Waits for an output in progress, so a released document still finishes its file.
    ~PdfPlotDocument() override = default;

    /// True from StartDocument until CloseDocument.
    bool Active() override;
    /// True once the output has ended, whether the file was written or not.
    bool Done() override;

    /// The typeface of the texts ("" the default Japanese face).
    void SetupValue1(const std::u16string& value) override;
    /// Dash length, millimetres.
    void SetupValue2(double value) override;
    /// Gap length, millimetres.
    void SetupValue3(double value) override;
    /// Long dash length, millimetres.
    void SetupValue4(double value) override;
    /// Pattern offset, millimetres.
    void SetupValue5(double value) override;
    /// Origin: 0 lower-left corner, 1 centre of the sheet.
    void SetupValue6(std::int32_t value) override;
    /// Colour mode: 0 colour, 1 black.
    void SetupValue7(std::int32_t value) override;
    /// Copies: pages in a PDF file.
    void SetupValue8(std::int32_t value) override;
    /// Line ends: 0 flat, 1 round, 2 square.
    void SetupValue9(std::int32_t value) override;
    /// Millimetres per page unit.
    void SetupValue10(double value) override;
    /// ISO A paper size number.
    void SetupValue11(std::int32_t value) override;
    /// Landscape when true.
    void SetupValue12(bool value) override;

    /// Opens the page for drawing; once per document.
    void StartDocument() override;
    /// A line; the optional values are line type, pattern scale and width factor.
    void DrawLine(double x1, double y1, double x2, double y2, const PlotPen& pen, OptionalValue opt1,
                  OptionalValue opt2, OptionalValue opt3) override;
    /// A text; option 1 gives its sizes in millimetres, extra is a rotation in degrees.
    void DrawText(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
                  double height, double extra, const PlotPen& pen, OptionalValue option, OptionalValue anchor) override;
    /// The title: a bold text, also the file's title.
    void DrawTitle(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
                   double height, double extra, const PlotPen& pen, OptionalValue option,
                   OptionalValue anchor) override;
    /// Hands the finished page to the background output to the file.
    void OutputToFile(const std::u16string& path) override;
    /// Waits for the output and ends the document; fails when the output failed.
    void CloseDocument() override;

private:
    enum class State { Created, Started, Output, Closed };

    void setup(const char* value);
    void drawing(const char* call);

    State state_ = State::Created;
    PageSetup setup_;
    DisplayList page_;
    std::unique_ptr<OutputJob> output_;
};

}  // namespace tellvane::plotdoc
