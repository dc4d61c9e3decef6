#pragma once
// The platform of the page: the chart area the page gives the control, no
// settings file (every pen as it comes), messages kept for the page to show.

#include <memory>
#include <string>

#include "common/Error.h"
#include "platform/EventPump.h"
#include "platform/HostContainer.h"
#include "platform/LibraryLocation.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"
#include "plot/PlotDocument.h"

namespace tellvane::web {

/// The chart area, sized by the page in pixels; the control works in twips.
class ChartArea : public HostContainer {
public:
    void setPixels(int width, int height) {
        width_ = static_cast<float>(width * 15);
        height_ = static_cast<float>(height * 15);
    }
    float scaleLeft() override { return 0; }
    float scaleTop() override { return 0; }
    float scaleWidth() override { return width_; }
    float scaleHeight() override { return height_; }

private:
    float width_ = 0, height_ = 0;
};

/// The browser tells no screen size that the chart needs.
class PageScreen : public Screen {
public:
    double widthTwips() override { return 0; }
    double heightTwips() override { return 0; }
    void setPointer(MousePointer) override {}
};

/// Keeps the last message for the page.
class PageMessages : public MessageBox {
public:
    void show(const std::u16string& prompt, const std::u16string&, int) override { last = prompt; }
    std::u16string last;
};

/// Nothing stored: every read gives its fallback, as a desktop without a settings file.
class NoSettings : public SettingsStore {
public:
    std::u16string read(const std::u16string&, const std::u16string&, const std::u16string&,
                        const std::u16string& fallback) override {
        return fallback;
    }
};

/// The plotted page goes to a folder of the module's own file system.
class PageFolder : public LibraryLocation {
public:
    std::u16string directory() override { return u"/plot"; }
};

/// Nothing to wait for: the page is written at once.
class NoEvents : public EventPump {
public:
    void processPending() override {}
};

}  // namespace tellvane::web
