#pragma once
// What a host asks for when it shows one station-year: the files to read and the
// choice of station, year and kind.

#include <optional>
#include <string>
#include <vector>

#include "records/YearSelection.h"

namespace tellvane {

struct YearQuery {
    std::vector<std::string> data;        ///< files and folders
    std::optional<std::string> stations;  ///< the station catalogue
    YearRequest request;
    /// The control's Mode text the user set, if any (see modeOf).
    std::optional<std::u16string> mode;
};

}  // namespace tellvane
