#pragma once
// The station-years a batch renders: every year of every series in the records.

#include <string>
#include <vector>

#include "records/StationRecords.h"
#include "records/YearSelection.h"

namespace tellvane::cli {

struct BatchItem {
    SelectedYear selected;
    /// The charts' file name without extension: NO_YYYY, and the kind after it
    /// (_level, _discharge, _data) when the station has more than one series that year.
    std::string stem;
    /// How progress and failures name it: "NO YYYY", and the kind as in stem.
    std::string label;
};

/// Station by station in the order they first appear, each year in ascending
/// order, the series of one year in the order they first appear.
std::vector<BatchItem> planBatch(const StationRecords& records);

}  // namespace tellvane::cli
