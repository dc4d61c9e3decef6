#include "plotdoc/OutputJob.h"

#include <exception>

#include "common/Error.h"
#include "plotdoc/PageFile.h"

namespace tellvane::plotdoc {

OutputJob::OutputJob(std::function<QByteArray()> render, QString path)
    : caller_(QAbstractEventDispatcher::instance()),
      thread_([this, render = std::move(render), path = std::move(path)] { run(render, path); }) {}

OutputJob::~OutputJob() { wait(); }

std::optional<std::string> OutputJob::wait() {
    if (thread_.joinable()) thread_.join();
    return failure_;
}

void OutputJob::run(const std::function<QByteArray()>& render, const QString& path) {
    try {
        writePageFile(path, render());
    } catch (const Error& e) {
        failure_ = e.description();
    } catch (const std::exception& e) {
        failure_ = e.what();
    } catch (...) {
        failure_ = "an unknown fault";
    }
    done_.store(true, std::memory_order_release);
    if (caller_) caller_->wakeUp();
}

}  // namespace tellvane::plotdoc
