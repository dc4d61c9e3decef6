#pragma once
// The frame, the value grid with its labels and the month grid with its labels.

#include "screenchart/ChartGeometry.h"

namespace tellvane {

/// The grey frame around the plot, two pixels wide; leaves the line width at 1.
void drawFrame(const ChartGeometry& g, DrawingSurface& surface);

/// 20 steps of the value axis: solid rules and labels at the quarters, dotted rules
/// between; the rules at the bottom and top are left to the frame.
void drawValueGrid(const ChartGeometry& g, DrawingSurface& surface);

/// Month boundaries solid with the month labels below, thirds of a month dotted.
void drawMonthGrid(const ChartGeometry& g, DrawingSurface& surface);

}  // namespace tellvane
