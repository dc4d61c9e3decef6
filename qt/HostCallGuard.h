#pragma once
// Lets a host delete the control widget inside one of the control's calls into it
// (an event's signal or handler, the message box, a settings read, the event pump
// while the page is awaited), as a Qt host deletes a window from a slot. The widget
// keeps its realisation of the platform, the control included, in an object of its
// own; each call into the host holds that object, and when the call returns to a
// deleted widget it ends the control's member with ObjectUnloaded, which keeps the
// object alive until the host has caught it, because the frames it unwinds still
// refer to it.

#include <memory>
#include <type_traits>
#include <utility>

#include "common/Error.h"

namespace tellvane {

/// The control's member ended because its host deleted the widget (error 364).
class ObjectUnloaded : public Error {
public:
    explicit ObjectUnloaded(std::shared_ptr<const void> keep)
        : Error(kObjectUnloaded, {}, {}), keep_(std::move(keep)) {}

private:
    std::shared_ptr<const void> keep_;
};

class HostCallGuard {
public:
    /// The object the guard is part of; the widget owns it.
    void watch(std::weak_ptr<const void> owner) { owner_ = std::move(owner); }
    /// The widget is being deleted: a call into the host still running ends its member.
    void release() { released_ = true; }

    /// Runs the call into the host, then ends the control's member if the host
    /// deleted the widget meanwhile.
    template <typename Call>
    auto operator()(Call&& call) {
        std::shared_ptr<const void> keep = owner_.lock();  // `this` lives on with it
        if constexpr (std::is_void_v<std::invoke_result_t<Call>>) {
            call();
            endIfReleased(std::move(keep));
        } else {
            auto result = call();
            endIfReleased(std::move(keep));
            return result;
        }
    }

private:
    void endIfReleased(std::shared_ptr<const void> keep) const {
        if (released_) throw ObjectUnloaded(std::move(keep));
    }

    std::weak_ptr<const void> owner_;
    bool released_ = false;
};

}  // namespace tellvane
