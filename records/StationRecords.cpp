#include "records/StationRecords.h"

#include <algorithm>
#include <utility>

#include "common/Text.h"

namespace tellvane {

std::set<int> Series::years() const {
    std::set<int> out;
    for (const auto& [date, cells] : days) out.insert(date.year);
    return out;
}

bool Series::hasYear(int year) const {
    const auto it = days.lower_bound(CivilDate{year, 1, 1});
    return it != days.end() && it->first.year == year;
}

Series& StationRecords::series(const std::u16string& station, SeriesKind kind) {
    for (Series& s : series_)
        if (s.station == station && s.kind == kind) return s;
    Series& added = series_.emplace_back();
    added.station = station;
    added.kind = kind;
    return added;
}

void StationRecords::addDay(Series& series, const CivilDate& date, HourCells cells, const InputPlace& place) {
    if (!series.days.emplace(date, std::move(cells)).second)
        throw place.error("station " + toUtf8(series.station) + " has " + isoDate(date) + " twice");
}

void StationRecords::setNames(Series& series, const StationNames& names, const InputPlace& place) {
    if (series.names && *series.names != names)
        throw place.error("station " + toUtf8(series.station) + " is named differently in an earlier file");
    series.names = names;
}

std::vector<std::u16string> StationRecords::stations() const {
    std::vector<std::u16string> out;
    for (const Series& s : series_)
        if (std::find(out.begin(), out.end(), s.station) == out.end()) out.push_back(s.station);
    return out;
}

std::vector<const Series*> StationRecords::ofStation(const std::u16string& station) const {
    std::vector<const Series*> out;
    for (const Series& s : series_)
        if (s.station == station) out.push_back(&s);
    return out;
}

}  // namespace tellvane
