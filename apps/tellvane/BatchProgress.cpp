#include "apps/tellvane/BatchProgress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tellvane::cli {
namespace {

constexpr int kBarWidth = 30;
// Back to the line's start and erase it, so that a shorter line leaves no rest.
constexpr const char* kClearLine = "\r\x1b[K";

std::string rateText(double rate) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f/s", rate);
    return text;
}

}  // namespace

std::string clockTime(double seconds) {
    const long total = std::lround(std::max(0.0, seconds));
    char text[32];
    if (total >= 3600)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
    return text;
}

BatchProgress::BatchProgress(int total, bool terminal, std::ostream& err)
    : total_(total), terminal_(terminal), err_(err) {
    if (terminal_) drawBar();
}

void BatchProgress::finished(const std::string& what, const std::optional<std::string>& failure) {
    const std::lock_guard lock(mutex_);
    ++done_;
    if (terminal_) {
        if (failure) err_ << kClearLine << what << ": failed: " << *failure << '\n';
        if (!ended_) drawBar();
        return;
    }
    err_ << done_ << '/' << total_ << ' ' << what << (failure ? ": failed: " + *failure : std::string(": written"))
         << '\n';
}

void BatchProgress::end() {
    const std::lock_guard lock(mutex_);
    if (terminal_ && !ended_) err_ << '\n';
    ended_ = true;
    err_.flush();
}

int BatchProgress::done() const {
    const std::lock_guard lock(mutex_);
    return done_;
}

double BatchProgress::elapsed() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }

void BatchProgress::drawBar() {
    const int filled = total_ > 0 ? done_ * kBarWidth / total_ : kBarWidth;
    const double seconds = elapsed();
    const double rate = seconds > 0 ? done_ / seconds : 0;
    err_ << kClearLine << '[' << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << done_ << '/' << total_ << "  "
         << rateText(rate) << "  ";
    if (done_ > 0 && rate > 0)
        err_ << clockTime((total_ - done_) / rate) << " left";
    else
        err_ << "-:-- left";
    err_.flush();
}

}  // namespace tellvane::cli
