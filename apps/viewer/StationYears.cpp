#include "apps/viewer/StationYears.h"

#include <algorithm>
#include <set>

#include "records/DataFiles.h"
#include "records/YearSelection.h"

namespace tellvane::viewer {
namespace {

SeriesKind seriesKind(ChartKind kind) {
    return kind == ChartKind::Discharge ? SeriesKind::Discharge : SeriesKind::Level;
}

}  // namespace

StationYears::StationYears(const std::vector<std::filesystem::path>& data) : records_(loadRecords(data)) {}

void StationYears::setCatalogue(const std::filesystem::path& path) { catalogue_ = loadStationCatalogue(path); }

std::vector<std::u16string> StationYears::stations() const { return records_.stations(); }

StationNames StationYears::namesOf(const std::u16string& station) const {
    const auto entry = catalogue_.find(station);
    if (entry != catalogue_.end()) return entry->second;
    for (const Series* s : records_.ofStation(station))
        if (s->names) return *s->names;
    return {};
}

std::vector<int> StationYears::years(const std::u16string& station) const {
    std::set<int> years;
    for (const Series* s : records_.ofStation(station)) years.merge(s->years());
    return {years.begin(), years.end()};
}

std::vector<ChartKind> StationYears::kinds(const std::u16string& station, int year) const {
    bool level = false, discharge = false, stated = false;
    for (const Series* s : records_.ofStation(station)) {
        if (!s->hasYear(year) || s->kind == SeriesKind::Unstated) continue;
        stated = true;
        level = level || s->kind == SeriesKind::Level;
        discharge = discharge || s->kind == SeriesKind::Discharge;
    }
    // Readings of no stated kind may be either: the user says which.
    if (!stated) return {ChartKind::Level, ChartKind::Discharge};
    std::vector<ChartKind> kinds;
    if (level) kinds.push_back(ChartKind::Level);
    if (discharge) kinds.push_back(ChartKind::Discharge);
    return kinds;
}

bool StationYears::holdsBothKinds(const std::u16string& station, int year) const {
    // As the command line's batch names its charts: by kind once a station-year has more than one series.
    int series = 0;
    for (const Series* s : records_.ofStation(station)) series += s->hasYear(year) ? 1 : 0;
    return series > 1;
}

std::unique_ptr<YearBlockSource> StationYears::prepare(const YearChoice& choice, TZenzu& control) const {
    const YearRequest request{choice.station, choice.year, seriesKind(choice.kind)};
    const SelectedYear selected = selectYear(records_, request);
    control.setKansokujoNO(selected.station);
    control.setSeireki(selected.year);
    control.setMode(modeText(choice.kind));
    return std::make_unique<YearBlockSource>(selected.series, selected.year, tellvane::namesOf(selected, catalogue_));
}

std::u16string modeText(ChartKind kind) { return kind == ChartKind::Discharge ? u"7" : u"1"; }

const char* kindName(ChartKind kind) { return kind == ChartKind::Discharge ? "discharge" : "level"; }

}  // namespace tellvane::viewer
