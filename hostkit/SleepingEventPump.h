#pragma once
// The event pump of a batch worker. A worker thread has no event loop, and the
// control only polls for the end of its plotted page's output, so waiting is all
// there is to do: briefly, to let the writing thread have the core.

#include <chrono>
#include <thread>

#include "platform/EventPump.h"

namespace tellvane {

class SleepingEventPump : public EventPump {
public:
    /// Sleeps for a millisecond.
    void processPending() override { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }
};

}  // namespace tellvane
