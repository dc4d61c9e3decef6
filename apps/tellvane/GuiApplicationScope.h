#pragma once
// The raster surface's texts and the plot document's fonts need a running
// QGuiApplication. A command that draws holds one of these while it runs: it uses
// the application already running (a test's, say), or starts one of its own on the
// offscreen platform, since the tool never opens a window.

#include <QGuiApplication>
#include <memory>

namespace tellvane::cli {

class GuiApplicationScope {
public:
    /// Starts an application unless one runs; QT_QPA_PLATFORM is set to "offscreen"
    /// first when the environment leaves it unset.
    GuiApplicationScope();
    /// Ends the application this scope started, if any.
    ~GuiApplicationScope();
    GuiApplicationScope(const GuiApplicationScope&) = delete;
    GuiApplicationScope& operator=(const GuiApplicationScope&) = delete;

private:
    // QGuiApplication keeps references to its argument count and vector.
    int argc_ = 1;
    char name_[9] = "tellvane";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> own_;
};

}  // namespace tellvane::cli
