#pragma once
// A plot document that draws nothing and records every call as one JSON line. Its
// output ends after a set number of polls, so that the wait after the output can be
// exercised; reads of Active and Done are counted, not recorded.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/PlotDocument.h"
#include "recording/CallLog.h"

namespace tellvane {

/// How a recorded document answers the wait after its output, and how often it was asked.
struct PlotPolls {
    /// Reads of Active that answer true before it answers false; -1: true while the document is open.
    long long activeFor = -1;
    /// Reads of Done that answer false before it answers true, once the output has started.
    long long busyFor = 0;
    /// The n-th read (from 1) of Active or Done fails with readFailure; 0 never.
    long long failReadAt = 0;
    /// The error of the failing read.
    Error readFailure{1003, "Recorded read failure"};
    /// Reads of Active so far.
    long long activeReads = 0;
    /// Reads of Done so far.
    long long doneReads = 0;
};

class RecordingPlotDocument : public PlotDocument {
public:
    /// Writes its lines to log and answers the wait as polls says; both must outlive it.
    RecordingPlotDocument(CallLog& log, PlotPolls& polls);

    bool Active() override;
    bool Done() override;
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
    void OutputToFile(const std::u16string& path) override;
    void CloseDocument() override;

private:
    void read();
    void text(const char* op, double x, double y, const std::u16string& text, const ReservedWords& reserved,
              double width, double height, double extra, const PlotPen& pen, OptionalValue option,
              OptionalValue anchor);

    CallLog& log_;
    PlotPolls& polls_;
    bool open_ = false;
    bool outputStarted_ = false;
};

/// Hands out recording documents that all write to one log and share one PlotPolls.
class RecordingPlotDocumentFactory : public PlotDocumentFactory {
public:
    /// The shared log: its lines, its sink and its fail-at-n.
    CallLog& log() { return log_; }
    /// The recorded lines so far.
    const std::vector<std::string>& lines() const { return log_.lines(); }
    /// How the documents answer the wait, and the reads counted so far.
    PlotPolls& polls() { return polls_; }
    /// Every later creation fails with the error.
    void failCreation(Error error) { creationFailure_ = std::move(error); }
    /// Documents created so far.
    int created() const { return created_; }
    /// Documents created and not yet released.
    int alive() const { return *alive_; }

    std::unique_ptr<PlotDocument> create() override;

private:
    CallLog log_;
    PlotPolls polls_;
    std::optional<Error> creationFailure_;
    int created_ = 0;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);  // shared: a document may outlive the factory
};

}  // namespace tellvane
