#pragma once
// The platform of a command-line run: nobody at a screen. Messages go to a stream,
// the library's directory is the one the command names, and the screen has no
// size. The chart surface, the plot documents, the settings and the event pump are
// the command's choice.

#include <ostream>
#include <string>

#include "platform/EventPump.h"
#include "platform/HostContainer.h"
#include "platform/LibraryLocation.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/PlotDocument.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"

namespace tellvane {

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

/// Writes "title: prompt" to the stream instead of waiting for a user. Unlike the
/// Qt realisation's box for standard error, the stream may be a job's own, so that
/// a failure's message stays with the job.
class StreamMessageBox : public MessageBox {
public:
    explicit StreamMessageBox(std::ostream& err) : err_(err) {}
    /// Writes the title and the prompt on one line, the prompt's line breaks as LF.
    void show(const std::u16string& prompt, const std::u16string& title, int style) override;

private:
    std::ostream& err_;
};

/// A settings store with nothing stored: every read gives its fallback, so that a
/// trace does not depend on the user's files.
class EmptySettings : public SettingsStore {
public:
    /// The fallback, always.
    std::u16string read(const std::u16string&, const std::u16string&, const std::u16string&,
                        const std::u16string& fallback) override {
        return fallback;
    }
};

/// The library's directory as the command names it.
class FixedLibraryLocation : public LibraryLocation {
public:
    explicit FixedLibraryLocation(std::u16string directory) : directory_(std::move(directory)) {}
    /// The directory given at construction.
    std::u16string directory() override { return directory_; }
    /// Where pages go from now on.
    void setDirectory(std::u16string directory) { directory_ = std::move(directory); }

private:
    std::u16string directory_;
};

/// There is no message loop to run: for plot documents that are done at once.
class IdleEventPump : public EventPump {
public:
    /// Returns at once.
    void processPending() override {}
};

/// What a command chooses for its platform; each must outlive the platform.
struct HeadlessParts {
    DrawingSurface& picture;
    PlotDocumentFactory& plots;
    SettingsStore& settings;
    EventPump& events;
};

/// The pieces above around the command's chart surface and plot documents.
class HeadlessPlatform {
public:
    /// libraryDirectory is where the plotted page goes, without a trailing separator;
    /// messages go to err.
    HeadlessPlatform(const HeadlessParts& parts, std::ostream& err, std::u16string libraryDirectory);

    /// The platform to hand to a control; valid as long as this object.
    Platform platform();
    /// Where the plotted page goes from now on (a folder made once the page is due).
    void setLibraryDirectory(std::u16string directory) { library_.setDirectory(std::move(directory)); }

private:
    HeadlessParts parts_;
    SurfaceContainer container_;
    NullScreen screen_;
    StreamMessageBox messageBox_;
    FixedLibraryLocation library_;
};

}  // namespace tellvane
