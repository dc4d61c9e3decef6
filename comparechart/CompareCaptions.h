#pragma once
// The comparison's texts: title, station and year, the legend over the plots, and
// the table of the seven values below them with what the bands and the period hold.

#include "comparechart/CompareInput.h"
#include "comparechart/CompareLayout.h"
#include "comparechart/CompareSeries.h"

namespace tellvane {

void drawHeader(ComparePainter& painter, const CompareLayout& layout, const CompareInput& input);

/// A sample of each band and line with its meaning.
void drawLegend(ComparePainter& painter, const CompareLayout& layout, const CompareInput& input);

/// The chosen year's seven values over the period's, and the years each covers.
void drawValueTable(ComparePainter& painter, const CompareLayout& layout, const CompareInput& input,
                    const CompareSeries& series);

}  // namespace tellvane
