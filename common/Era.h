#pragma once
// The Japanese era of a Western year, for the year lines of both charts.

#include <optional>
#include <string>

namespace tellvane {

struct EraYear {
    std::u16string name;  ///< the era's name, e.g. 令和
    long long year;       ///< the year within the era, from 1
};

/// The era of a year from 1868 on; nothing for earlier years.
std::optional<EraYear> eraOf(long long year);

}  // namespace tellvane
