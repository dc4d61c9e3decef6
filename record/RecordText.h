#pragma once
// The records as text for a terminal: per station-kind its title and its 流況表,
// columns aligned in the width a terminal gives East Asian characters.

#include <string>
#include <string_view>
#include <vector>

#include "record/StationRecord.h"

namespace tellvane {

std::string recordText(const std::vector<StationRecord>& records);

/// Columns a terminal gives the UTF-8 text: two for wide and full-width characters.
std::size_t displayWidth(std::string_view utf8);

}  // namespace tellvane
