#pragma once
// This year against the record on the page's second canvas: the comparison chart
// `tellvane compare` draws, for a station-kind of the records the page shows.

#include <string>
#include <vector>

#include "canvas/CanvasSurface.h"
#include "record/StationRecord.h"

namespace tellvane::web {

class WebComparison {
public:
    explicit WebComparison(canvas::Canvas& canvas) : surface_(canvas) {}

    /// Draws the year of the station's record of the kind ("level" or "discharge";
    /// the station's only record when it has none of the kind) at width x height
    /// pixels; year 0, or a year without a day, is the last year with one.
    /// {"station", "kind" (the record's), "year", "years": [the years with a day]},
    /// with "year" 0 and nothing drawn when fewer than two years have a day (or the
    /// records hold no such station-kind).
    std::string draw(const std::vector<StationRecord>& records, const std::string& station, const std::string& kind,
                     int year, int width, int height);

private:
    canvas::CanvasSurface surface_;
};

}  // namespace tellvane::web
