#pragma once
// What every host says when a year's data does not reach the characteristic values
// (豊水, 平水, 低水, 渇水 are the 95th, 185th, 275th and 355th day of the days
// ranked): the control shows 0.00 for those it cannot reach.

#include <string>

#include "records/YearSelection.h"

namespace tellvane {

/// A warning when fewer than 355 days have data, naming the characteristic values
/// the year does not reach; empty otherwise.
std::string partialYearWarning(const SelectedYear& selected, int days);

}  // namespace tellvane
