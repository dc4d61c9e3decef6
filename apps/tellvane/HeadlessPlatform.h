#pragma once
// The platform of a command-line run: nobody at a screen. Messages go to standard
// error, the settings store holds nothing (every pen keeps its default), the
// library's directory is the output folder, pending events are none, and the
// screen has no size.

#include <ostream>
#include <string>

#include "platform/EventPump.h"
#include "platform/HostContainer.h"
#include "platform/LibraryLocation.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"
#include "plot/PlotDocument.h"

namespace tellvane::cli {

/// The control's client area: exactly the chart surface.
class SurfaceContainer : public HostContainer {
public:
    SurfaceContainer(float widthTwips, float heightTwips) : width_(widthTwips), height_(heightTwips) {}
    float scaleLeft() override { return 0; }
    float scaleTop() override { return 0; }
    float scaleWidth() override { return width_; }
    float scaleHeight() override { return height_; }

private:
    float width_, height_;
};

/// No screen: no size, and a pointer nobody sees.
class NullScreen : public Screen {
public:
    double widthTwips() override { return 0; }
    double heightTwips() override { return 0; }
    void setPointer(MousePointer) override {}
};

/// Writes the title and the prompt to the stream instead of waiting for a user.
class StreamMessageBox : public MessageBox {
public:
    explicit StreamMessageBox(std::ostream& err) : err_(err) {}
    void show(const std::u16string& prompt, const std::u16string& title, int style) override;

private:
    std::ostream& err_;
};

/// A settings store with nothing stored: every read gives its fallback.
class EmptySettings : public SettingsStore {
public:
    std::u16string read(const std::u16string&, const std::u16string&, const std::u16string&,
                        const std::u16string& fallback) override {
        return fallback;
    }
};

/// The library's directory as the command names it.
class FixedLibraryLocation : public LibraryLocation {
public:
    explicit FixedLibraryLocation(std::u16string directory) : directory_(std::move(directory)) {}
    std::u16string directory() override { return directory_; }

private:
    std::u16string directory_;
};

/// There is no message loop to run.
class IdleEventPump : public EventPump {
public:
    void processPending() override {}
};

/// For commands that draw no plotted page: asking for one is a run-time error.
class NoPlotDocuments : public PlotDocumentFactory {
public:
    std::unique_ptr<PlotDocument> create() override;
};

/// The pieces above around the command's chart surface and plot documents.
class HeadlessPlatform {
public:
    /// libraryDirectory is where the plotted page goes, without a trailing separator.
    HeadlessPlatform(DrawingSurface& picture, PlotDocumentFactory& plots, std::ostream& err,
                     std::u16string libraryDirectory);

    Platform platform();

private:
    DrawingSurface& picture_;
    PlotDocumentFactory& plots_;
    SurfaceContainer container_;
    NullScreen screen_;
    StreamMessageBox messageBox_;
    EmptySettings settings_;
    FixedLibraryLocation library_;
    IdleEventPump events_;
};

}  // namespace tellvane::cli
