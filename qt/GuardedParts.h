#pragma once
// The platform parts through which the control calls code of the Qt host, each
// behind the widget's HostCallGuard (see there).

#include <string>

#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "qt/HostCallGuard.h"

namespace tellvane {

/// A message box: a modal one runs the host's events while it is shown.
class GuardedMessageBox : public MessageBox {
public:
    GuardedMessageBox(MessageBox& box, HostCallGuard& guard) : box_(box), guard_(guard) {}
    void show(const std::u16string& prompt, const std::u16string& title, int style) override {
        guard_([&] { box_.show(prompt, title, style); });
    }

private:
    MessageBox& box_;
    HostCallGuard& guard_;
};

/// Settings, which a host may supply.
class GuardedSettings : public SettingsStore {
public:
    GuardedSettings(SettingsStore& settings, HostCallGuard& guard) : settings_(settings), guard_(guard) {}
    std::u16string read(const std::u16string& app, const std::u16string& section, const std::u16string& key,
                        const std::u16string& fallback) override {
        return guard_([&] { return settings_.read(app, section, key, fallback); });
    }
    std::string fileOf(const std::u16string& app) const override {
        return guard_([&] { return settings_.fileOf(app); });
    }

private:
    SettingsStore& settings_;
    HostCallGuard& guard_;
};

/// The event pump, which runs any of the host's slots.
class GuardedEventPump : public EventPump {
public:
    GuardedEventPump(EventPump& pump, HostCallGuard& guard) : pump_(pump), guard_(guard) {}
    void processPending() override {
        guard_([&] { pump_.processPending(); });
    }

private:
    EventPump& pump_;
    HostCallGuard& guard_;
};

}  // namespace tellvane
