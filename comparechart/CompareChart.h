#pragma once
// This year against the record: the chosen year's daily values over the other
// years' bands by calendar day, every year's duration curve beside them, and the
// chosen year's seven values against the period's. Drawn once, through
// ComparePainter, on a screen's surface or on a page.

#include <string>

#include "comparechart/CompareInput.h"
#include "comparechart/ComparePainter.h"
#include "platform/DrawingSurface.h"
#include "platform/PlotDocument.h"

namespace tellvane {

/// The comparison on any painter, at its size.
void drawComparison(const CompareInput& input, ComparePainter& painter);

/// Clears the surface and draws the comparison at its size. Fails with Subscript
/// out of range when the chosen year is not among the input's years.
void drawCompareChart(const CompareInput& input, DrawingSurface& surface);

/// Sets up a new document, draws the comparison as its page, writes it to path
/// (the document's format) and closes the document, which reports a failed output.
void plotCompareChart(const CompareInput& input, PlotDocument& doc, const std::u16string& path);

}  // namespace tellvane
