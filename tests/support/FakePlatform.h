#pragma once
// Small fakes of the platform for the tests, and a bundle that hands them to a
// control together with a recording surface.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/EventPump.h"
#include "platform/HostContainer.h"
#include "platform/LibraryLocation.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/PlotDocument.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"
#include "recording/RecordingSurface.h"

namespace tellvane::test {

struct FakeContainer : HostContainer {
    float left = 0, top = 0, width = 6000, height = 4500;
    float scaleLeft() override { return left; }
    float scaleTop() override { return top; }
    float scaleWidth() override { return width; }
    float scaleHeight() override { return height; }
};

struct FakeScreen : Screen {
    double width = 15360, height = 11520;
    std::vector<MousePointer> pointers;
    double widthTwips() override { return width; }
    double heightTwips() override { return height; }
    void setPointer(MousePointer p) override { pointers.push_back(p); }
};

struct FakeMessageBox : MessageBox {
    struct Shown {
        std::u16string prompt, title;
        int style;
    };
    std::vector<Shown> shown;
    void show(const std::u16string& prompt, const std::u16string& title, int style) override {
        shown.push_back({prompt, title, style});
    }
};

struct FakeSettings : SettingsStore {
    std::map<std::u16string, std::u16string> values;  // by key, under BRACKENLY / SETTING
    std::vector<std::u16string> reads;
    std::u16string read(const std::u16string& app, const std::u16string& section, const std::u16string& key,
                        const std::u16string& fallback) override {
        reads.push_back(app + u"/" + section + u"/" + key);
        if (app != u"BRACKENLY" || section != u"SETTING") return fallback;
        const auto it = values.find(key);
        return it == values.end() ? fallback : it->second;
    }
};

struct FakeLibrary : LibraryLocation {
    std::u16string dir = u"/usr/lib";
    std::u16string directory() override { return dir; }
};

struct FakeEventPump : EventPump {
    int calls = 0;
    std::function<void()> onPump;
    void processPending() override {
        ++calls;
        if (onPump) onPump();
    }
};

struct FakePlotFactory : PlotDocumentFactory {
    std::function<std::unique_ptr<PlotDocument>()> make;
    std::unique_ptr<PlotDocument> create() override {
        if (!make) throw Error(1002, "No plot document");
        return make();
    }
};

/// All fakes together with a recording surface of the given size in pixels.
struct TestPlatform {
    explicit TestPlatform(float widthPixels = 400, float heightPixels = 300) : surface(widthPixels, heightPixels) {}
    FakeContainer container;
    RecordingSurface surface;
    FakeScreen screen;
    FakeMessageBox messageBox;
    FakeSettings settings;
    FakeLibrary library;
    FakeEventPump events;
    FakePlotFactory plots;
    Platform platform() { return Platform{container, surface, screen, messageBox, settings, library, events, plots}; }
};

}  // namespace tellvane::test
