#pragma once
// The hand-over of the finished page: output to the file, the wait for the output
// under the busy pointer, closing and releasing the document.

#include <memory>
#include <string>

#include "platform/Platform.h"
#include "platform/PlotDocument.h"

namespace tellvane {

/// The name the control gives its plotted page; hosts move the page from there.
inline constexpr char kPlotFileName[] = "M_g_l.kvd";

/// kPlotFileName in the library's directory.
std::u16string plotFilePath(LibraryLocation& library);

/// Polls Active, then Done, letting the host process its pending events between
/// polls, until Active is not true or Done is true. No pause, no limit.
void waitForOutput(PlotDocument& doc, EventPump& events);

/// Starts the output to path, waits for it under the busy pointer, closes and
/// releases the document, and restores the default pointer. On a failure the
/// document is released and the pointer restored before the error goes on.
void outputPage(std::unique_ptr<PlotDocument>& doc, const std::u16string& path, const Platform& platform);

}  // namespace tellvane
