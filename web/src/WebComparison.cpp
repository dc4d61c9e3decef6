#include "web/src/WebComparison.h"

#include <algorithm>

#include "common/Error.h"
#include "common/Text.h"
#include "comparechart/CompareChart.h"
#include "record/RecordComparison.h"
#include "recording/JsonLine.h"

namespace tellvane::web {
namespace {

constexpr float kTwipsPerPixel = 15;  // at the chart's 96 dots per inch, as the tool's PNG

std::string yearsJson(const std::vector<int>& years) {
    std::string out = "[";
    for (std::size_t i = 0; i < years.size(); ++i) out += (i ? "," : "") + std::to_string(years[i]);
    return out + "]";
}

// The station's record of the kind; else its only one, as a CSV charted as discharge
// has its record as water levels (the kind the record gives readings of unstated kind).
const StationRecord* recordOf(const std::vector<StationRecord>& records, const std::string& station,
                              const std::string& kind) {
    const StationRecord* only = nullptr;
    int count = 0;
    for (const StationRecord& r : records) {
        if (toUtf8(r.station) != station) continue;
        if (kindName(r.kind) == kind) return &r;
        only = &r;
        ++count;
    }
    return count == 1 ? only : nullptr;
}

}  // namespace

std::string WebComparison::draw(const std::vector<StationRecord>& records, const std::string& station,
                                const std::string& kind, int year, int width, int height) {
    const StationRecord* record = recordOf(records, station, kind);
    std::vector<int> years;  // none when the records hold no such station-kind
    if (record)
        for (const YearRecord& y : record->years)
            if (y.daysWithData > 0) years.push_back(y.year);
    // One year has nothing to be compared against: the page says so instead.
    int chosen = 0;
    if (years.size() >= 2) {
        chosen = std::find(years.begin(), years.end(), year) != years.end() ? year : years.back();
        try {
            surface_.setWidth(static_cast<float>(width) * kTwipsPerPixel);
            surface_.setHeight(static_cast<float>(height) * kTwipsPerPixel);
            drawCompareChart(comparisonOf(*record, chosen), surface_);
        } catch (const Error& e) {
            return JsonLine()
                .add("error", "run-time error " + std::to_string(e.number()) + ": " + e.description())
                .str();
        }
    }
    return JsonLine()
        .add("station", station)
        .add("kind", record ? kindName(record->kind) : kind.c_str())
        .add("year", chosen)
        .addRaw("years", yearsJson(years))
        .str();
}

}  // namespace tellvane::web
