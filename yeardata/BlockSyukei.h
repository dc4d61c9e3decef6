#pragma once

#include <string>

#include "yeardata/BlockArray.h"

namespace tellvane {

/// Condenses every day of the block into its aggregates (columns 25-29) as
/// two-decimal text. A reading is missing when its text is empty or reads exactly
/// -999; any other text is valid with its leading number. Mode "4" adds the day's
/// mid-range. Fails with Type mismatch when cell (0, 0) is no number and with
/// Subscript out of range when it claims 12 days or more.
void BlockSyukei(BlockArray& Suii, const std::u16string& mode);

}  // namespace tellvane
