#include "records/YearSelection.h"

#include <set>

#include "common/Text.h"

namespace tellvane {
namespace {

std::string listed(const std::vector<std::u16string>& items) {
    std::string out;
    for (const auto& item : items) out += (out.empty() ? "" : ", ") + toUtf8(item);
    return out;
}

std::string listed(const std::set<int>& years) {
    std::string out;
    for (const int y : years) out += (out.empty() ? "" : ", ") + std::to_string(y);
    return out;
}

}  // namespace

SelectedYear selectYear(const StationRecords& records, const YearRequest& request) {
    SelectedYear selected;
    if (request.station) {
        selected.station = *request.station;
    } else {
        const auto stations = records.stations();
        if (stations.empty()) throw SelectionError("the data holds no station");
        if (stations.size() > 1)
            throw SelectionError("the data holds " + std::to_string(stations.size()) + " stations (" +
                                 listed(stations) + "); choose one with --station");
        selected.station = stations.front();
    }

    const auto series = records.ofStation(selected.station);
    if (request.year) {
        selected.year = *request.year;
    } else {
        // A station without readings is shown, as not loaded, in the data's only year.
        std::set<int> years;
        for (const Series* s : series) years.merge(s->years());
        if (years.empty())
            for (const Series& s : records.all()) years.merge(s.years());
        if (years.empty()) throw SelectionError("the data holds no readings");
        if (years.size() > 1) {
            if (series.empty())
                throw SelectionError("station " + toUtf8(selected.station) +
                                     " has no readings in the data, which covers " + listed(years) +
                                     "; choose a year with --year");
            throw SelectionError("station " + toUtf8(selected.station) + " has readings in " + listed(years) +
                                 "; choose one with --year");
        }
        selected.year = *years.begin();
    }

    std::vector<const Series*> inYear;
    for (const Series* s : series)
        if (s->hasYear(selected.year)) inYear.push_back(s);
    if (inYear.size() > 1 && request.kind) {
        std::erase_if(inYear, [&](const Series* s) { return s->kind != *request.kind; });
        if (inYear.empty())
            throw SelectionError("station " + toUtf8(selected.station) + " has no readings of the kind asked for in " +
                                 std::to_string(selected.year));
    }
    if (inYear.size() > 1)
        throw SelectionError("station " + toUtf8(selected.station) + " has readings of more than one kind in " +
                             std::to_string(selected.year) + "; choose one with --kind");
    if (!inYear.empty()) {
        selected.series = inYear.front();
        selected.kind = inYear.front()->kind;
    }
    return selected;
}

StationNames namesOf(const SelectedYear& selected, const StationCatalogue& catalogue) {
    const auto entry = catalogue.find(selected.station);
    if (entry != catalogue.end()) return entry->second;
    if (selected.series && selected.series->names) return *selected.series->names;
    return {};
}

std::u16string modeOf(const SelectedYear& selected, const std::optional<std::u16string>& requestedMode) {
    if (requestedMode) return *requestedMode;
    return selected.kind == SeriesKind::Discharge ? u"7" : u"1";
}

}  // namespace tellvane
