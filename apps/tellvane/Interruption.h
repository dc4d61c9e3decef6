#pragma once
// How the tool ends on SIGINT, SIGTERM or SIGHUP: its temporaries removed, earlier
// outputs as they were, a word of how far it got, and 128 + the signal's number.

#include <functional>
#include <string>

namespace tellvane::cli {

/// Blocks the three signals on this thread and every thread it starts later, and
/// waits for them on a thread of its own, which on one removes the process's
/// temporaries (fileout::abandonAll), writes the note below to standard error and
/// ends the process. Called once, first thing in main.
void endOnSignals();

/// What a command says when a signal ends it, while this object lives (a batch: how
/// many station-years it finished). The note is called on the signal's thread.
class InterruptionNote {
public:
    explicit InterruptionNote(std::function<std::string()> note);
    ~InterruptionNote();
    InterruptionNote(const InterruptionNote&) = delete;
    InterruptionNote& operator=(const InterruptionNote&) = delete;
};

}  // namespace tellvane::cli
