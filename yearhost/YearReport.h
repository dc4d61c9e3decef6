#pragma once
// What the tool tells the user about a station-year beside the chart: how much of
// the year the data covers, why there is nothing to chart, and how the files were
// combined.

#include <ostream>
#include <string>

#include "records/StationRecords.h"
#include "records/YearSelection.h"
#include "yeardata/AnnualStore.h"

namespace tellvane {

// daysWithData and hoursWithReadings are the records' (records/YearSelection.h),
// shared with the page.

/// A warning when fewer than 355 days have data, naming the characteristic values
/// the year does not reach; empty otherwise.
std::string partialYearWarning(const SelectedYear& selected, int days);

/// The records' notes on how the files were combined, only those about the
/// selected station-year and kind when one is given, each on a line of err.
void printNotes(const StationRecords& records, const SelectedYear* selected, std::ostream& err);

}  // namespace tellvane
