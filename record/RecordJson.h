#pragma once
// The records as JSON lines, one object per station-kind:
// {"station","kind":"level"|"discharge","names":{"name","water_system","river"},
//  "years":[{"year","max","maxDate":"YYYY-MM-DD","high","normal","low","drought",
//            "min","minDate","mean","daysWithData","missingDays","hoursWithReadings",
//            "runoff"},...],
//  "period":{"years":[...],"max":{"mean","max","maxYear","min","minYear"},"high",
//            "normal","low","drought","min","mean","drought10"}}
// Numbers are the shortest decimal that reads back as the same double; null where
// the year does not reach the value (or the period has none).

#include <string>
#include <vector>

#include "record/StationRecord.h"

namespace tellvane {

/// One line, without its line end.
std::string recordJson(const StationRecord& record);
/// Every record, each line ended by a line feed.
std::string recordJsonLines(const std::vector<StationRecord>& records);

}  // namespace tellvane
