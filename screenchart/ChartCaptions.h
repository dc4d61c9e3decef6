#pragma once
// The texts of the screen chart: station number, names (asked from the host), year,
// title, axis caption and the statistics box.

#include "screenchart/ChartGeometry.h"

namespace tellvane {

/// The year line: "令和 2 年  ( 2020 )"; before the eras only "( 1850 )".
std::u16string screenYearLine(std::int32_t year);

/// Draws every caption; raises the station-names event once, between the station
/// number and the names.
void drawCaptions(ChartSource& source, const ChartGeometry& g, DrawingSurface& surface);

}  // namespace tellvane
