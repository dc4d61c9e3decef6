#pragma once
// The records as an XLSX workbook (libxlsxwriter): a sheet per station-kind with
// its 流況表, and on request a sheet per station-year with its daily table. Values
// are numbers shown with two decimals, dates are dates; each sheet's title and
// header rows stay in view, its columns fit their contents, and the period's rows
// sit apart below the years.

#include <string>
#include <vector>

#include "record/StationRecord.h"

namespace tellvane {

/// The names a workbook's sheets get: "NO 水位" (or 流量) for the record of a
/// station-kind, "NO YYYY 水位" for a daily table; at most 31 characters, none of
/// []:*?/\ (replaced by _), each name once.
std::vector<std::string> sheetNames(const std::vector<StationRecord>& records, bool daily);

/// Writes the workbook to the file of that name, which it creates or replaces (the
/// caller chooses a scratch name and moves it into place). Fails with
/// std::runtime_error giving the library's reason.
void writeRecordWorkbook(const std::string& file, const std::vector<StationRecord>& records, bool daily);

}  // namespace tellvane
