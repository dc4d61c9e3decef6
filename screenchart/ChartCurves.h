#pragma once
// The two data curves of the screen chart: the daily bars with their step line, and
// the duration staircase.

#include "screenchart/ChartGeometry.h"

namespace tellvane {

/// A bar per day with a value, in light red, with a magenta step line over them that
/// runs on across empty days and month ends.
void drawDailyChart(const AnnualStore& store, const ChartGeometry& g, DrawingSurface& surface);

/// The duration staircase in green, from the left edge at the year's largest value
/// down to the right; each tread as wide as the days that had exactly its value.
void drawDurationStaircase(const AnnualStore& store, const ChartGeometry& g, DrawingSurface& surface);

}  // namespace tellvane
