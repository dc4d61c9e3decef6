#pragma once
// The output of a finished page: rendered and written on a thread of its own so
// that the caller can keep its user interface alive while it polls for the end, or
// on the caller's thread where a build has no threads.

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "common/Error.h"

namespace tellvane::pagewriter {

class OutputJob {
public:
    /// Runs output (which throws on failure), in the background when asked; wake,
    /// when given, is called once the output has ended, on the thread that ran it.
    OutputJob(std::function<void()> output, bool background, std::function<void()> wake);
    /// Waits for the output to end: a page handed over is always finished.
    ~OutputJob();
    OutputJob(const OutputJob&) = delete;
    OutputJob& operator=(const OutputJob&) = delete;

    /// True once the output has ended, written or failed.
    bool done() const { return done_.load(std::memory_order_acquire); }
    /// Waits for the end; why the output failed (its file among the fields), or
    /// nothing when the file is written.
    std::optional<Error> wait();

private:
    void run(const std::function<void()>& output, const std::function<void()>& wake);

    std::atomic<bool> done_{false};
    std::optional<Error> failure_;  // written by the output before done_, read after it
    std::thread thread_;
};

}  // namespace tellvane::pagewriter
