#pragma once
// The plot document that writes its page to a file: PDF, or SVG for a name ending in
// .svg. It records the drawing, and on OutputToFile lays out, renders and writes the
// page in the background; CloseDocument reports an output that failed. What it
// records and how it writes are its own (PageDocumentParts.h, not installed).

#include <memory>

#include "pagewriter/PageWriterOptions.h"
#include "platform/PlotDocument.h"

namespace tellvane::pagewriter {

class PageDocument final : public PlotDocument {
public:
    struct Parts;

    explicit PageDocument(std::shared_ptr<const PageWriterOptions> options);
    /// A document whose finished page goes where its parts say (a book's pages).
    explicit PageDocument(std::unique_ptr<Parts> parts);
    /// Waits for an output in progress, so a released document still finishes its file.
    ~PageDocument() override;

    bool Active() override;
    bool Done() override;

    /// The typeface: "" the default face, else a family of the options' typefaces.
    void SetupValue1(const std::u16string& value) override;
    void SetupValue2(double value) override;
    void SetupValue3(double value) override;
    void SetupValue4(double value) override;
    void SetupValue5(double value) override;
    void SetupValue6(std::int32_t value) override;
    void SetupValue7(std::int32_t value) override;
    void SetupValue8(std::int32_t value) override;
    void SetupValue9(std::int32_t value) override;
    void SetupValue10(double value) override;
    void SetupValue11(std::int32_t value) override;
    void SetupValue12(bool value) override;

    void StartDocument() override;
    void DrawLine(double x1, double y1, double x2, double y2, const PlotPen& pen, OptionalValue opt1,
                  OptionalValue opt2, OptionalValue opt3) override;
    void DrawText(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
                  double height, double extra, const PlotPen& pen, OptionalValue option, OptionalValue anchor) override;
    void DrawTitle(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
                   double height, double extra, const PlotPen& pen, OptionalValue option,
                   OptionalValue anchor) override;
    /// Hands the finished page to the output to the file.
    void OutputToFile(const std::u16string& path) override;
    /// Waits for the output and ends the document; fails when the output failed.
    void CloseDocument() override;

private:
    void setup(const char* value);
    void drawing(const char* call);

    std::unique_ptr<Parts> parts_;
};

/// The factory a platform hands to the control: one file-writing document for each
/// plotted page.
class PageDocumentFactory final : public PlotDocumentFactory {
public:
    explicit PageDocumentFactory(PageWriterOptions options = {});
    /// A new document; fails with kNoTypeface when no file of the default typeface
    /// exists, since the texts need it.
    std::unique_ptr<PlotDocument> create() override;

private:
    std::shared_ptr<const PageWriterOptions> options_;
};

}  // namespace tellvane::pagewriter
