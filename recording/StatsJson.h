#pragma once
// The year's numbers as one JSON object, as `tellvane stats` prints them and the
// page offers them.

#include <string>

#include "control/TZenzu.h"

namespace tellvane {

/// How much of the year the data covers.
struct YearCounts {
    int daysWithData = 0;
    long hoursWithReadings = 0;
};

/// {"station","year","mode","result","txtMax","txtMin","stats":[slots 1-7],
/// "duration":[[value,days],...],"days":[[31 texts of January],...,[December]],
/// "daysWithData","hoursWithReadings"}, numbers as the shortest decimal that reads
/// back as the same double.
std::string statsJson(const TZenzu& control, bool result, const YearCounts& counts);

}  // namespace tellvane
