#pragma once
// Where a recording realisation puts its JSON lines: kept in order, and handed to
// a sink as they happen (the command line prints them interleaved with the host's
// own lines). It can be told to fail a call, to test the error paths.

#include <functional>
#include <string>
#include <vector>

#include "common/Error.h"

namespace tellvane {

class CallLog {
public:
    using Sink = std::function<void(const std::string&)>;

    /// Every line also goes to the sink, as it is written.
    void setSink(Sink sink) { sink_ = std::move(sink); }
    /// The n-th recorded call (from 1) fails with the error instead; 0 never.
    void failAt(long long n, Error error = Error(1001, "Recorded failure")) {
        failAt_ = n;
        failure_ = std::move(error);
    }

    /// Counts the call, fails it when told to, then records the line.
    void write(const std::string& line) {
        if (++calls_ == failAt_) throw failure_;
        lines_.push_back(line);
        if (sink_) sink_(line);
    }

    const std::vector<std::string>& lines() const { return lines_; }
    void clearLines() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
    Sink sink_;
    long long calls_ = 0;
    long long failAt_ = 0;
    Error failure_{1001, "Recorded failure"};
};

}  // namespace tellvane
