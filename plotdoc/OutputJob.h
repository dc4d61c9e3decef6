#pragma once
// The output of a finished page, run on a thread of its own so that the caller can
// keep its user interface alive while it polls for the end.

#include <QAbstractEventDispatcher>
#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace tellvane::plotdoc {

class OutputJob {
public:
    /// Starts rendering the page and writing it to the path in the background; the
    /// calling thread's event loop, if it has one, is woken when the output ends.
    OutputJob(std::function<QByteArray()> render, QString path);
    /// Waits for the output to end: a page handed over is always finished.
    ~OutputJob();
    OutputJob(const OutputJob&) = delete;
    OutputJob& operator=(const OutputJob&) = delete;

    /// True once the output has ended, written or failed.
    bool done() const { return done_.load(std::memory_order_acquire); }
    /// Waits for the end; the reason the output failed, or nothing when the file is written.
    std::optional<std::string> wait();

private:
    void run(const std::function<QByteArray()>& render, const QString& path);

    // A caller that polls done() while it waits for events learns of the end at once.
    // The dispatcher lives as long as the calling thread, which waits for this job
    // before it lets the document go.
    QAbstractEventDispatcher* caller_;
    std::atomic<bool> done_{false};
    std::optional<std::string> failure_;  // written by the thread before done_, read after it
    std::thread thread_;
};

}  // namespace tellvane::plotdoc
