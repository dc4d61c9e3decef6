#include "pagewriter/PageDocument.h"

#include "pagewriter/PageDocumentParts.h"

#include "common/Error.h"
#include "common/Text.h"
#include "pagewriter/PageErrors.h"
#include "pagewriter/PageFile.h"
#include "pagewriter/PageFormats.h"
#include "pagewriter/Typeface.h"

namespace tellvane::pagewriter {

namespace {

[[noreturn]] void outOfOrder(const char* call, const char* why) {
    throw Error(kOutOfOrder, std::string(call) + " refused: " + why);
}

bool sameFamily(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace

std::shared_ptr<const Typeface> faceOf(const TypefaceFiles& typeface) {
    if (!typeface.bytes) return Typeface::load(existingFile(typeface));
    return Typeface::fromBytes(typeface.files.empty() ? typeface.family : typeface.files.front(), typeface.bytes);
}

PageOutput pageFileOutput(const PageWriterOptions& options) {
    return [background = options.background, wakeCaller = options.wakeCaller](FinishedPage finished) {
        auto output = [finished = std::move(finished)] {
            const TypefaceFiles& typeface = *finished.typeface;
            const std::string& file = finished.file;
            if (!faceAvailable(typeface))
                throw Error(kOutputFailed, kNotWritten, "no file of the typeface " + typeface.family + " was found",
                            {file});
            std::string bytes;
            try {
                const auto face = faceOf(typeface);
                bytes = finished.format == PageFormat::Svg
                            ? svgPage(finished.page, finished.setup, *face, typeface.family)
                            : pdfPage(finished.page, finished.setup, *face);
            } catch (const Error& e) {
                throw Error(kOutputFailed, kNotWritten, e.description(), {file});
            }
            writePageFile(file, bytes);
        };
        return std::make_unique<OutputJob>(std::move(output), background,
                                           wakeCaller ? wakeCaller() : std::function<void()>());
    };
}

PageDocument::PageDocument(std::shared_ptr<const PageWriterOptions> options)
    : parts_(std::make_unique<Parts>()) {
    parts_->output = pageFileOutput(*options);
    parts_->options = std::move(options);
}

PageDocument::PageDocument(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}

PageDocument::~PageDocument() = default;

// The set-up may change until the page is handed over: it applies when the page is rendered.
void PageDocument::setup(const char* value) {
    if (parts_->state == Parts::State::Output || parts_->state == Parts::State::Closed) outOfOrder(value, "the page has been handed to output");
}

void PageDocument::drawing(const char* call) {
    if (parts_->state == Parts::State::Created) outOfOrder(call, "StartDocument has not been called");
    if (parts_->state != Parts::State::Started) outOfOrder(call, "the page has been handed to output");
}

bool PageDocument::Active() { return parts_->state == Parts::State::Started || parts_->state == Parts::State::Output; }
bool PageDocument::Done() { return parts_->job && parts_->job->done(); }

void PageDocument::SetupValue1(const std::u16string& v) {
    setup("SetupValue1");
    const std::string family = toUtf8(v);
    std::size_t found = 0;
    if (!family.empty()) {
        const auto& faces = parts_->options->typefaces;
        while (found < faces.size() && !(sameFamily(faces[found].family, family) && faceAvailable(faces[found])))
            ++found;
        if (found == faces.size())
            throw Error(kSetupRefused, "SetupValue1 refused: the typeface \"" + family + "\" is not installed");
    }
    parts_->typeface = found;
    parts_->setup.setFontFamily(v);
}
void PageDocument::SetupValue2(double v) {
    setup("SetupValue2");
    parts_->setup.setDashLength(v);
}
void PageDocument::SetupValue3(double v) {
    setup("SetupValue3");
    parts_->setup.setGapLength(v);
}
void PageDocument::SetupValue4(double v) {
    setup("SetupValue4");
    parts_->setup.setLongDashLength(v);
}
void PageDocument::SetupValue5(double v) {
    setup("SetupValue5");
    parts_->setup.setPatternOffset(v);
}
void PageDocument::SetupValue6(std::int32_t v) {
    setup("SetupValue6");
    parts_->setup.setOrigin(v);
}
void PageDocument::SetupValue7(std::int32_t v) {
    setup("SetupValue7");
    parts_->setup.setColourMode(v);
}
void PageDocument::SetupValue8(std::int32_t v) {
    setup("SetupValue8");
    parts_->setup.setCopies(v);
}
void PageDocument::SetupValue9(std::int32_t v) {
    setup("SetupValue9");
    parts_->setup.setLineEnds(v);
}
void PageDocument::SetupValue10(double v) {
    setup("SetupValue10");
    parts_->setup.setUnitLength(v);
}
void PageDocument::SetupValue11(std::int32_t v) {
    setup("SetupValue11");
    parts_->setup.setPaperSize(v);
}
void PageDocument::SetupValue12(bool v) {
    setup("SetupValue12");
    parts_->setup.setLandscape(v);
}

void PageDocument::StartDocument() {
    if (parts_->state != Parts::State::Created) outOfOrder("StartDocument", "a document holds one page and is started once");
    parts_->state = Parts::State::Started;
}

void PageDocument::DrawLine(double x1, double y1, double x2, double y2, const PlotPen& pen, OptionalValue opt1,
                            OptionalValue opt2, OptionalValue opt3) {
    drawing("DrawLine");
    parts_->page.addLine(x1, y1, x2, y2, pen, opt1, opt2, opt3);
}

void PageDocument::DrawText(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
                            double height, double extra, const PlotPen& pen, OptionalValue option,
                            OptionalValue anchor) {
    drawing("DrawText");
    parts_->page.addText(x, y, text, reserved, width, height, extra, pen, option, anchor, false);
}

void PageDocument::DrawTitle(double x, double y, const std::u16string& text, const ReservedWords& reserved,
                             double width, double height, double extra, const PlotPen& pen, OptionalValue option,
                             OptionalValue anchor) {
    drawing("DrawTitle");
    parts_->page.addText(x, y, text, reserved, width, height, extra, pen, option, anchor, true);
}

void PageDocument::OutputToFile(const std::u16string& path) {
    drawing("OutputToFile");
    if (path.empty()) throw Error(kOutputFailed, "OutputToFile refused: the file name is empty");
    std::string file = toUtf8(path);
    const PageFormat format = parts_->options->svg ? PageFormat::Svg : formatOf(file);
    if (format == PageFormat::Svg && parts_->setup.copies() != 1)
        throw Error(kSetupRefused, "SetupValue8 refused: an SVG file holds one page, so copies must be 1");
    // The page and set-up are final from here; the output renders them undisturbed.
    parts_->state = Parts::State::Output;
    parts_->job = parts_->output(FinishedPage{std::move(parts_->page), parts_->setup,
                                              &parts_->options->typefaces.at(parts_->typeface), format,
                                              std::move(file)});
}

void PageDocument::CloseDocument() {
    if (parts_->state == Parts::State::Closed) return;
    parts_->state = Parts::State::Closed;
    if (!parts_->job) return;
    if (auto failure = parts_->job->wait()) throw std::move(*failure);
}

PageDocumentFactory::PageDocumentFactory(PageWriterOptions options)
    : options_(std::make_shared<const PageWriterOptions>(std::move(options))) {}

std::unique_ptr<PlotDocument> PageDocumentFactory::create() {
    if (options_->typefaces.empty() || !faceAvailable(options_->typefaces.front()))
        throw Error(kNoTypeface,
                    "The page writer found no file of its typeface" +
                        (options_->typefaces.empty() ? std::string() : " " + options_->typefaces.front().family));
    return std::make_unique<PageDocument>(options_);
}

}  // namespace tellvane::pagewriter
