#pragma once
// The station catalogue: a CSV with the header "station,name,water_system,river"
// and one record per station, UTF-8.

#include <map>
#include <string>
#include <string_view>

#include "records/StationRecords.h"

namespace tellvane {

/// Station number to names.
using StationCatalogue = std::map<std::u16string, StationNames>;

/// The catalogue in text. A wrong header, a wrong number of cells, an empty station
/// number, a station listed twice or text that is not UTF-8 fails with InputError.
StationCatalogue readStationCatalogue(std::string_view text, const std::string& file);

}  // namespace tellvane
