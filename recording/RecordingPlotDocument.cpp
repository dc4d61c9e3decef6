#include "recording/RecordingPlotDocument.h"

#include <type_traits>
#include <variant>

#include "recording/JsonLine.h"

namespace tellvane {
namespace {

std::string optional(OptionalValue v) { return v ? std::to_string(*v) : "null"; }

JsonLine& addPen(JsonLine& line, const PlotPen& pen) {
    std::visit([&line](const auto& p) { line.add("pen", p); }, pen);
    return line;
}

JsonLine& addOptional(JsonLine& line, const char* key, OptionalValue v) {
    return v ? line.add(key, *v) : line.addNull(key);
}

JsonLine opLine(const char* op) { return std::move(JsonLine().add("op", op)); }

// A document that counts itself alive until it is released.
class CountedDocument : public RecordingPlotDocument {
public:
    CountedDocument(CallLog& log, PlotPolls& polls, std::shared_ptr<int> alive)
        : RecordingPlotDocument(log, polls), alive_(std::move(alive)) {
        ++*alive_;
    }
    ~CountedDocument() override { --*alive_; }

private:
    std::shared_ptr<int> alive_;
};

}  // namespace

RecordingPlotDocument::RecordingPlotDocument(CallLog& log, PlotPolls& polls) : log_(log), polls_(polls) {}

void RecordingPlotDocument::read() {
    if (polls_.activeReads + polls_.doneReads == polls_.failReadAt) throw polls_.readFailure;
}

bool RecordingPlotDocument::Active() {
    ++polls_.activeReads;
    read();
    if (!open_) return false;
    return polls_.activeFor < 0 || polls_.activeReads <= polls_.activeFor;
}

bool RecordingPlotDocument::Done() {
    ++polls_.doneReads;
    read();
    return outputStarted_ && polls_.doneReads > polls_.busyFor;
}

void RecordingPlotDocument::SetupValue1(const std::u16string& v) {
    log_.write(opLine("SetupValue1").add("value", v).str());
}
void RecordingPlotDocument::SetupValue2(double v) { log_.write(opLine("SetupValue2").add("value", v).str()); }
void RecordingPlotDocument::SetupValue3(double v) { log_.write(opLine("SetupValue3").add("value", v).str()); }
void RecordingPlotDocument::SetupValue4(double v) { log_.write(opLine("SetupValue4").add("value", v).str()); }
void RecordingPlotDocument::SetupValue5(double v) { log_.write(opLine("SetupValue5").add("value", v).str()); }
void RecordingPlotDocument::SetupValue6(std::int32_t v) { log_.write(opLine("SetupValue6").add("value", v).str()); }
void RecordingPlotDocument::SetupValue7(std::int32_t v) { log_.write(opLine("SetupValue7").add("value", v).str()); }
void RecordingPlotDocument::SetupValue8(std::int32_t v) { log_.write(opLine("SetupValue8").add("value", v).str()); }
void RecordingPlotDocument::SetupValue9(std::int32_t v) { log_.write(opLine("SetupValue9").add("value", v).str()); }
void RecordingPlotDocument::SetupValue10(double v) { log_.write(opLine("SetupValue10").add("value", v).str()); }
void RecordingPlotDocument::SetupValue11(std::int32_t v) { log_.write(opLine("SetupValue11").add("value", v).str()); }
void RecordingPlotDocument::SetupValue12(bool v) { log_.write(opLine("SetupValue12").add("value", v).str()); }

void RecordingPlotDocument::StartDocument() {
    log_.write(opLine("StartDocument").str());
    open_ = true;
}

void RecordingPlotDocument::DrawLine(double x1, double y1, double x2, double y2, const PlotPen& pen, OptionalValue opt1,
                                     OptionalValue opt2, OptionalValue opt3) {
    JsonLine line;
    line.add("op", "DrawLine").add("x1", x1).add("y1", y1).add("x2", x2).add("y2", y2);
    addPen(line, pen).addRaw("opt", "[" + optional(opt1) + "," + optional(opt2) + "," + optional(opt3) + "]");
    log_.write(line.str());
}

void RecordingPlotDocument::text(const char* op, double x, double y, const std::u16string& text,
                                 const ReservedWords& reserved, double width, double height, double extra,
                                 const PlotPen& pen, OptionalValue option, OptionalValue anchor) {
    JsonLine line;
    line.add("op", op).add("x", x).add("y", y).add("text", text);
    // The words are always 0; they show in the line only when a caller breaks that.
    if (reserved != ReservedWords{}) {
        std::string words = "[";
        for (const auto w : reserved) words += (words.size() > 1 ? "," : "") + std::to_string(w);
        line.addRaw("reserved", words + "]");
    }
    line.add("width", width).add("height", height).add("extra", extra);
    addPen(line, pen);
    addOptional(line, "option", option);
    addOptional(line, "anchor", anchor);
    log_.write(line.str());
}

void RecordingPlotDocument::DrawText(double x, double y, const std::u16string& t, const ReservedWords& reserved,
                                     double width, double height, double extra, const PlotPen& pen,
                                     OptionalValue option, OptionalValue anchor) {
    text("DrawText", x, y, t, reserved, width, height, extra, pen, option, anchor);
}

void RecordingPlotDocument::DrawTitle(double x, double y, const std::u16string& t, const ReservedWords& reserved,
                                      double width, double height, double extra, const PlotPen& pen,
                                      OptionalValue option, OptionalValue anchor) {
    text("DrawTitle", x, y, t, reserved, width, height, extra, pen, option, anchor);
}

void RecordingPlotDocument::OutputToFile(const std::u16string& path) {
    log_.write(opLine("OutputToFile").add("path", path).str());
    outputStarted_ = true;
}

void RecordingPlotDocument::CloseDocument() {
    log_.write(opLine("CloseDocument").str());
    open_ = false;
}

std::unique_ptr<PlotDocument> RecordingPlotDocumentFactory::create() {
    if (creationFailure_) throw *creationFailure_;
    ++created_;
    return std::make_unique<CountedDocument>(log_, polls_, alive_);
}

}  // namespace tellvane
