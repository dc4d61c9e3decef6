#pragma once
// The one record a host shows (a comparison chart, a table of one station-kind),
// chosen among the records of the data as a single year is chosen: a part left out
// must have one answer in the data.

#include <optional>
#include <vector>

#include "record/StationRecord.h"

namespace tellvane {

/// The record of all (from buildRecords) whose kind is `kind`, or the only one
/// when kind is left out. Fails with SelectionError (choice Station) when all holds
/// more than one station, and (choice Kind) when the station has records of both
/// kinds and none was asked for. nullptr when all is empty.
const StationRecord* chooseRecord(const std::vector<StationRecord>& all, std::optional<SeriesKind> kind);

/// Whether the record's year has a day with data.
bool hasDay(const StationRecord& record, int year);

/// "2016-2025", the first to the last year of the record, or "no year".
std::string yearsHeld(const StationRecord& record);

}  // namespace tellvane
