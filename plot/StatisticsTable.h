#pragma once
// The statistics table in the box over the 10th and 11th month: a heading row, then
// the seven characteristic values with their labels.

#include <string>

#include "plot/PageGeometry.h"
#include "plot/PlotPens.h"

namespace tellvane {

/// The 40-character table text: the heading "水位位況　" or "流量位況　", then the
/// seven labels, five characters each.
std::u16string statisticsTableText(const std::u16string& mode);

/// The value of a row as the table shows it: Round2, two decimals, full-width.
std::u16string tableValue(double stat);

/// Eight rows: the pieces of the table text left in the label column, Stats 1-7
/// right-aligned in the value column.
void drawStatisticsTable(PlotDocument& doc, const AnnualStore& store, const PageGeometry& g, const GridPens& pens,
                         const std::u16string& mode);

}  // namespace tellvane
