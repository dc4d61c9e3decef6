#pragma once
// The comparison's data: the other years' bands and median by calendar day, the
// chosen year's daily step line, and the duration staircases.

#include "comparechart/CompareLayout.h"
#include "comparechart/CompareSeries.h"

namespace tellvane {

/// Minimum to maximum, 10 to 90 % and 25 to 75 % as a column per day, widest first
/// so that each narrower band lies over the wider.
void drawBands(ComparePainter& painter, const CompareLayout& layout, const DayBands& bands);

/// A tread over every day with a value and a riser from the day before; a day
/// without a value breaks the line, except the slot of 29 February, which the tread
/// of 28 February spans when it is empty (a common year has no such day).
void drawDailySteps(ComparePainter& painter, const CompareLayout& layout, const DailySlots& values, Ink ink);

/// The bands' median as a step line.
void drawMedianSteps(ComparePainter& painter, const CompareLayout& layout, const DayBands& bands);

/// Every other year's staircase thin, the period's median, then the chosen year's.
void drawDurations(ComparePainter& painter, const CompareLayout& layout, const CompareSeries& series);

}  // namespace tellvane
