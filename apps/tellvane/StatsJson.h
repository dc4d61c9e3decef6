#pragma once
// The year's numbers as one JSON object, as `tellvane stats` prints them.

#include <string>

#include "control/TZenzu.h"

namespace tellvane::cli {

/// {"station","year","mode","result","txtMax","txtMin","stats":[slots 1-7],
/// "duration":[[value,days],...],"days":[[31 texts of January],...,[December]]},
/// numbers as the shortest decimal that reads back as the same double.
std::string statsJson(const TZenzu& control, bool result);

}  // namespace tellvane::cli
