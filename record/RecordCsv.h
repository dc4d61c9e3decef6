#pragma once
// The records as one CSV for spreadsheets: UTF-8 with a byte-order mark (which
// spreadsheets on Windows need to read Japanese as UTF-8), lines ending CR LF, one
// header, then per station-kind a row a year and the period's rows.

#include <string>
#include <vector>

#include "record/StationRecord.h"

namespace tellvane {

std::string recordCsv(const std::vector<StationRecord>& records);

}  // namespace tellvane
