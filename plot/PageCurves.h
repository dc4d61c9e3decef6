#pragma once
// The page's data lines: the duration staircase, the leaders from the staircase to
// the statistics table, and the daily step line. Their pens are setting texts.

#include <string>

#include "platform/PlotDocument.h"
#include "plot/PageGeometry.h"

namespace tellvane {

/// Down from the value axis at the year's largest value, one tread per distinct
/// value as wide as its days; no drop to the time axis after the last.
void drawDurationStaircase(PlotDocument& doc, const AnnualStore& store, const PageGeometry& g, const PlotPen& pen);

/// For maximum, 95th, 185th, 275th, 355th largest and minimum: up or down from the
/// middle of the defining day's slot to the row of the statistics table, then across
/// to just outside the table.
void drawLeaders(PlotDocument& doc, const AnnualStore& store, const PageGeometry& g, const PlotPen& pen);

/// A tread over every day with a value and a riser from the previous such day's
/// level, across gaps and month ends. penText goes through stepLinePen on every day.
void drawDailyStepLine(PlotDocument& doc, const AnnualStore& store, const PageGeometry& g, std::u16string penText);

}  // namespace tellvane
