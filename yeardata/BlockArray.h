#pragma once
// One ten-day block as the host delivers it: 30 columns by 12 rows of text, cell
// (c, r) being element c + 30 r. Cell (0, 0) holds the day count N, columns 1-24 of
// rows 1..N the hourly readings, columns 25-29 the day's aggregates.

#include <string>

#include "common/Table.h"

namespace tellvane {

using BlockArray = Table2<std::u16string, 0, 29, 0, 11>;

/// Columns of the aggregates written back into the block.
enum BlockColumn : int {
    kFirstHour = 1,
    kLastHour = 24,
    kSumColumn = 25,
    kMeanColumn = 26,
    kSixEighteenColumn = 27,
    kEvenHoursColumn = 28,
    kMidRangeColumn = 29,
};

}  // namespace tellvane
