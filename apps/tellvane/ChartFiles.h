#pragma once
// A chart's two files written together: both appear, or neither does and earlier
// files of the same names stay as they were.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "yearhost/ChartNames.h"

namespace tellvane::cli {

/// Writes png to paths.png and has writePdf write the page to a path it is given,
/// each first under a name of its own in the target's folder (made as needed), then
/// both placed together (fileout::FileSet). A failure is an Error naming the user's file and the
/// system's reason (Path/File access error), and leaves no temporary behind.
void writeChartFiles(const ChartPaths& paths, const std::vector<std::uint8_t>& png,
                     const std::function<void(const std::filesystem::path&)>& writePdf);

}  // namespace tellvane::cli
