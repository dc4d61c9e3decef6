#pragma once
// The year's values ranked: the characteristic values and the duration table.

#include "common/CheckedInt.h"
#include "common/Table.h"
#include "yeardata/AnnualStore.h"

namespace tellvane {

/// Working list of the year's daily values: entries 1..count, then the end marker.
using SortBuffer = Table<double, 0, 367>;

/// Sorts entries 1..count in descending order; equal values keep their order.
void sortDescending(SortBuffer& values, Int32 count);

/// From the sorted values: the 95th, 185th, 275th and 355th largest into Stats
/// (slots the year does not reach are left alone) and the duration table, which
/// always ends with the year's smallest value.
void rankYear(const SortBuffer& sorted, Int32 count, AnnualStore& store);

}  // namespace tellvane
