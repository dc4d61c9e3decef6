#pragma once

#include "chartinput/ChartSource.h"
#include "platform/DrawingSurface.h"

namespace tellvane {

/// Draws the whole screen chart on the surface: clears it, then bars and step line,
/// duration staircase, frame, grid with labels, and the captions (raising the
/// station-names event once). The geometry follows the surface's current size and
/// the axis texts. Fails with Division by zero on equal axis limits when a value is
/// placed, with Overflow when the surface is beyond 16-bit sizes.
void DrawGraph(ChartSource& source, DrawingSurface& surface);

}  // namespace tellvane
