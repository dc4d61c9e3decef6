#pragma once
// The control's events as a Qt host receives them: first to the host's own
// handler object, when it gave one, then as the widget's signals. The signals are
// emitted on the caller's thread and return after every directly connected slot
// has run, so the slots' assignments reach the control. Each call into the host
// runs behind the widget's guard: a host that deletes the widget ends the member.

#include "control/TZenzuEvents.h"
#include "qt/HostCallGuard.h"

namespace tellvane {

class TZenzuWidget;

class EventRelay : public TZenzuEvents {
public:
    /// The widget is only used while the guard has not been released.
    EventRelay(TZenzuWidget& widget, HostCallGuard& guard) : widget_(widget), guard_(guard) {}

    /// The host's handler object; nullptr for signals alone.
    void setHost(TZenzuEvents* host) { host_ = host; }

    void GetBlockData(std::int32_t& datano, BlockArray& Suii, bool& ret) override;
    void GetLKansokujo(std::u16string& Wok, std::u16string& Kansokujo, std::u16string& Suikei,
                       std::u16string& Kasen) override;

private:
    TZenzuWidget& widget_;
    HostCallGuard& guard_;
    TZenzuEvents* host_ = nullptr;
};

}  // namespace tellvane
