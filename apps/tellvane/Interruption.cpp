#include "apps/tellvane/Interruption.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>
#include <mutex>
#include <thread>

#include "fileout/Temporaries.h"

namespace tellvane::cli {
namespace {

std::mutex& noteMutex() {
    static auto* const kMutex = new std::mutex;  // never destroyed: the signal's thread outlives main
    return *kMutex;
}
std::function<std::string()>& note() {
    static auto* const kNote = new std::function<std::string()>;
    return *kNote;
}

sigset_t endingSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, s);
    return set;
}

void say(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        const ssize_t n = ::write(STDERR_FILENO, text.data() + at, text.size() - at);
        if (n <= 0) return;
        at += static_cast<std::size_t>(n);
    }
}

[[noreturn]] void endOn(int signal) {
    fileout::abandonAll();  // first: nothing may be placed after this
    std::string text = (::isatty(STDERR_FILENO) ? "\n" : "") + std::string("tellvane: interrupted by SIG") +
                       sigabbrev_np(signal) + "; temporaries removed, earlier files kept";
    {
        const std::lock_guard lock(noteMutex());
        if (note()) text += "; " + note()();
    }
    say(text + "\n");
    ::_exit(128 + signal);
}

}  // namespace

void endOnSignals() {
    const sigset_t set = endingSignals();
    ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
    std::thread([set] {
        for (;;) {
            int signal = 0;
            if (::sigwait(&set, &signal) == 0) endOn(signal);
        }
    }).detach();
}

InterruptionNote::InterruptionNote(std::function<std::string()> text) {
    const std::lock_guard lock(noteMutex());
    note() = std::move(text);
}

InterruptionNote::~InterruptionNote() {
    const std::lock_guard lock(noteMutex());
    note() = nullptr;
}

}  // namespace tellvane::cli
