#include "record/RecordChoice.h"

#include <algorithm>

#include "records/ShownText.h"
#include "records/YearSelection.h"

namespace tellvane {

const StationRecord* chooseRecord(const std::vector<StationRecord>& all, std::optional<SeriesKind> kind) {
    if (all.empty()) return nullptr;
    if (std::any_of(all.begin(), all.end(), [&](const StationRecord& r) { return r.station != all[0].station; }))
        throw SelectionError("the data holds more than one station", SelectionError::Choice::Station);
    if (all.size() > 1 && !kind)
        throw SelectionError("station " + shownName(all[0].station) + " has both level and discharge readings",
                             SelectionError::Choice::Kind);
    const auto it = std::find_if(all.begin(), all.end(), [&](const StationRecord& r) { return !kind || r.kind == *kind; });
    return it == all.end() ? nullptr : &*it;
}

bool hasDay(const StationRecord& record, int year) {
    return std::any_of(record.years.begin(), record.years.end(),
                       [&](const YearRecord& y) { return y.year == year && y.daysWithData > 0; });
}

std::string yearsHeld(const StationRecord& r) {
    if (r.years.empty()) return "no year";
    return std::to_string(r.years.front().year) + "-" + std::to_string(r.years.back().year);
}

}  // namespace tellvane
