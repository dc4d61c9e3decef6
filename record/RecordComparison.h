#pragma once
// A year of a station's record set against the others, as the comparison chart
// reads it.

#include "comparechart/CompareInput.h"
#include "record/StationRecord.h"

namespace tellvane {

/// The chart's input for the year of the record: every year's daily values on their
/// calendar slots, the period's years and its mean of each characteristic value.
/// Fails with Subscript out of range when the record has no such year.
CompareInput comparisonOf(const StationRecord& record, int year);

}  // namespace tellvane
