#pragma once
// The page's frame, the header strip's cells, the value and month grids with their
// labels, and the floor of the statistics box.

#include "plot/PageGeometry.h"
#include "plot/PlotPens.h"

namespace tellvane {

/// The frame around plot area, month-label strip, left strip and header strip, and
/// the header strip's cell rules; needs no scale.
void drawPageFrame(PlotDocument& doc, const GridPens& pens);

/// Major value rules with their labels, month rules with their labels, minor value
/// rules, ten-day rules with their labels, and the statistics box's floor.
void drawPageGrid(PlotDocument& doc, const PageGeometry& g, const GridPens& pens);

}  // namespace tellvane
