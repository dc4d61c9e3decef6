#pragma once
// What the tool tells the user about a station-year beside the chart: how much of
// the year the data covers, why there is nothing to chart, and how the files were
// combined.

#include <ostream>
#include <string>

#include "records/PartialYear.h"  // partialYearWarning, which every host shows
#include "records/StationRecords.h"
#include "records/YearSelection.h"
#include "yeardata/AnnualStore.h"

namespace tellvane {

// daysWithData, hoursWithReadings (records/YearSelection.h) and partialYearWarning
// (records/PartialYear.h) are the records', shared with the page and the viewer.

/// The records' notes on how the files were combined, only those about the
/// selected station-year and kind when one is given, each on a line of err.
void printNotes(const StationRecords& records, const SelectedYear* selected, std::ostream& err);

}  // namespace tellvane
