#pragma once
// A station-year's two charts as files: the screen chart as PNG and the plotted
// page as PDF.

#include <filesystem>
#include <ostream>
#include <string>

#include "platform/EventPump.h"
#include "yearhost/ChartNames.h"
#include "yearhost/ChartSize.h"
#include "yearhost/HostedYear.h"

namespace tellvane {

/// Runs NenZu on a raster chart of the size, then NenzuSakuzu with the library
/// location at a private work folder made in workDir (absolute; the folder of the
/// files, so that the page can be renamed from it), polling events while the page is
/// written, and commits the picture and the page to paths both or neither (fileout).
/// A folder, FIFO or device at either path fails before anything is written.
/// Folders are created as needed. Returns false, having written nothing, when NenZu reports a block not
/// loaded (its message goes to err). Run-time errors reach the caller as Error, and
/// then neither file has been written or replaced.
bool writeYearCharts(HostedYear& year, ChartSize size, const ChartPaths& paths, const std::filesystem::path& workDir,
                     EventPump& events, std::ostream& err);

}  // namespace tellvane
