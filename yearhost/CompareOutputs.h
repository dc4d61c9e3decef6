#pragma once
// The comparison chart's outputs in memory, as `tellvane compare` writes them: the
// PNG of a raster of the chart's size and the page's PDF.

#include <cstdint>
#include <string>
#include <vector>

#include "comparechart/CompareInput.h"
#include "yearhost/ChartSize.h"

namespace tellvane {

/// The comparison drawn on a raster of the size, as PNG bytes.
std::vector<std::uint8_t> comparePng(const CompareInput& input, ChartSize size);

/// The comparison's page as the bytes of its PDF (or SVG) file, written in a work
/// folder of its own under the system's temporary folder and read back. A failed
/// output fails with the page writer's run-time error.
std::string comparePage(const CompareInput& input, bool svg);

}  // namespace tellvane
