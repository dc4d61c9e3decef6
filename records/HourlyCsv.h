#pragma once
// The hourly CSV: a header "station,date,1,2,...,24", then one record per station
// and day with the station number, the date as YYYY-MM-DD and the 24 hourly
// readings of that day, UTF-8.

#include <string>
#include <string_view>

#include "records/StationRecords.h"

namespace tellvane {

/// Adds the days of the text to records as series of unstated kind. A wrong
/// header, a malformed date, a wrong number of cells, an empty station number, a
/// day given twice or text that is not UTF-8 fails with InputError.
void readHourlyCsv(std::string_view text, const std::string& file, StationRecords& records);

}  // namespace tellvane
