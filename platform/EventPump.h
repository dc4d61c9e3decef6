#pragma once
// Lets the host process its pending messages and events, then returns.

namespace tellvane {

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processPending() = 0;
};

}  // namespace tellvane
