#pragma once
// The hourly CSV: a header "station,date,1,2,...,24", then one record per station
// and day with the station number, the date as YYYY-MM-DD and the 24 hourly
// readings of that day, UTF-8.

#include <istream>
#include <string>
#include <string_view>

#include "records/CsvRecords.h"
#include "records/StationRecords.h"

namespace tellvane {

/// Adds the days of the text to records as series of unstated kind; only the days
/// records keeps have their readings built. A wrong header, a malformed date, a
/// wrong number of cells, an empty station number, a reading that is not one
/// (ReadingText.h), a day given twice or text that is not UTF-8 fails with
/// InputError. A part of a file that starts after line 1 is taken to follow the header.
void readHourlyCsv(const ByteChunks& chunks, const std::string& file, StationRecords& records,
                   const CsvStart& start = {});

/// The same for a text held whole.
void readHourlyCsv(std::string_view text, const std::string& file, StationRecords& records);

}  // namespace tellvane
