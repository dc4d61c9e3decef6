#include "pagewriter/OutputJob.h"

#include <exception>

#include "common/Error.h"
#include "pagewriter/PageErrors.h"

namespace tellvane::pagewriter {

OutputJob::OutputJob(std::function<void()> output, bool background, std::function<void()> wake) {
    if (background)
        thread_ = std::thread([this, output = std::move(output), wake = std::move(wake)] { run(output, wake); });
    else
        run(output, wake);
}

OutputJob::~OutputJob() { wait(); }

std::optional<Error> OutputJob::wait() {
    if (thread_.joinable()) thread_.join();
    return failure_;
}

void OutputJob::run(const std::function<void()>& output, const std::function<void()>& wake) {
    try {
        output();
    } catch (const Error& e) {
        failure_ = e;
    } catch (const std::exception& e) {
        failure_ = Error(kOutputFailed, e.what());
    } catch (...) {
        failure_ = Error(kOutputFailed, "an unknown fault");
    }
    done_.store(true, std::memory_order_release);
    if (wake) wake();
}

}  // namespace tellvane::pagewriter
