#pragma once
// Lets a Qt host process its pending events. When none are pending it waits for
// the next one, but no longer than a few milliseconds, so that a caller polling
// for something to finish does not keep a core busy.

#include <QTimer>

#include "platform/EventPump.h"

namespace tellvane {

class QtEventPump : public EventPump {
public:
    /// The longest wait for an event when none is pending, in milliseconds.
    static constexpr int kIdleWaitMs = 2;

    /// Must be created on the thread whose events it processes.
    QtEventPump();

    void processPending() override;

private:
    QTimer wake_;
};

}  // namespace tellvane
