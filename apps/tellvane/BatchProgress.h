#pragma once
// How a batch shows its progress on standard error. On a terminal one line is
// redrawn in place: a bar, done/total, the rate and the time left; a failure is
// written above it. Elsewhere (a log, a pipe) every finished station-year gets a
// plain line of its own. Safe to call from several threads.

#include <chrono>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>

namespace tellvane::cli {

class BatchProgress {
public:
    using Clock = std::chrono::steady_clock;

    /// total station-years; terminal chooses the bar over plain lines.
    BatchProgress(int total, bool terminal, std::ostream& err);

    /// One station-year has finished: what names it ("NO YYYY"), and why it failed
    /// if it did.
    void finished(const std::string& what, const std::optional<std::string>& failure);
    /// Ends the bar's line; the progress is not drawn again.
    void end();

    /// Station-years finished so far.
    int done() const;
    /// Seconds since the batch started.
    double elapsed() const;

private:
    void drawBar();

    mutable std::mutex mutex_;
    const int total_;
    const bool terminal_;
    std::ostream& err_;
    const Clock::time_point start_ = Clock::now();
    int done_ = 0;
    bool ended_ = false;
};

/// "m:ss" for a number of seconds ("h:mm:ss" from an hour on).
std::string clockTime(double seconds);

}  // namespace tellvane::cli
