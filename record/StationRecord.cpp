#include "record/StationRecord.h"

#include <map>
#include <memory>
#include <set>

#include "records/DataFiles.h"

namespace tellvane {
namespace {

SeriesKind kindOf(const Series& s, const RecordRequest& request) {
    if (s.kind != SeriesKind::Unstated) return s.kind;
    return request.kind.value_or(SeriesKind::Level);
}

bool inRange(int year, const RecordRequest& request) {
    return (!request.firstYear || year >= *request.firstYear) && (!request.lastYear || year <= *request.lastYear);
}

// The years of each kind the station has readings of, within the request.
std::map<SeriesKind, std::set<int>> yearsByKind(const StationRecords& records, const std::u16string& station,
                                                const RecordRequest& request) {
    std::map<SeriesKind, std::set<int>> years;
    for (const Series* s : records.ofStation(station)) {
        const SeriesKind kind = kindOf(*s, request);
        if (request.kind && kind != *request.kind) continue;
        for (const int y : s->years())
            if (inRange(y, request)) years[kind].insert(y);
    }
    return years;
}

const Series* seriesOf(const StationRecords& records, const std::u16string& station, SeriesKind kind, int year,
                       const RecordRequest& request) {
    for (const Series* s : records.ofStation(station))
        if (kindOf(*s, request) == kind && s->hasYear(year)) return s;
    return nullptr;
}

StationNames namesOf(const StationRecords& records, const std::u16string& station, const StationCatalogue& catalogue) {
    if (const auto entry = catalogue.find(station); entry != catalogue.end()) return entry->second;
    for (const Series* s : records.ofStation(station))
        if (s->names) return *s->names;
    return {};
}

void recordStation(const StationRecords& records, const std::u16string& station, const StationCatalogue& catalogue,
                   const RecordRequest& request, const StationYearReader& read, std::vector<StationRecord>& out) {
    const auto years = yearsByKind(records, station, request);
    std::set<int> withDays;
    for (const auto& [kind, ys] : years) withDays.insert(ys.begin(), ys.end());
    if (withDays.empty()) return;

    std::map<SeriesKind, StationRecord> byKind;
    for (const auto& [kind, ys] : years) {
        StationRecord& r = byKind[kind];
        r.station = station;
        r.kind = kind;
        r.names = namesOf(records, station, catalogue);
        for (int y = *ys.begin(); y <= *ys.rbegin(); ++y) r.years.push_back({.year = y});
    }
    for (const int year : withDays) {
        const StationRecords& held = read(station, year);
        for (auto& [kind, r] : byKind) {
            if (year < r.years.front().year || year > r.years.back().year) continue;
            YearRecord& slot = r.years[static_cast<std::size_t>(year - r.years.front().year)];
            slot = recordYear(seriesOf(held, station, kind, year, request), year, kind);
        }
    }
    for (auto& [kind, r] : byKind) {
        // Years between the first and last without a day were never read.
        for (YearRecord& y : r.years)
            if (!withDays.contains(y.year)) y = recordYear(nullptr, y.year, kind);
        r.period = summarisePeriod(r.years, kind, request.allowedMissingDays);
        out.push_back(std::move(r));
    }
}

}  // namespace

std::vector<StationRecord> buildRecords(const StationRecords& records, const StationCatalogue& catalogue,
                                        const RecordRequest& request, const StationYearReader& read) {
    std::vector<StationRecord> out;
    for (const std::u16string& station : records.stations())
        if (!request.station || *request.station == station)
            recordStation(records, station, catalogue, request, read, out);
    return out;
}

std::vector<StationRecord> recordsOf(const StationRecords& records, const StationCatalogue& catalogue,
                                     const RecordRequest& request) {
    return buildRecords(records, catalogue, request,
                        [&](const std::u16string&, int) -> const StationRecords& { return records; });
}

std::vector<StationRecord> recordsReadYearByYear(const StationRecords& index, const StationCatalogue& catalogue,
                                                 const RecordRequest& request) {
    std::unique_ptr<StationRecords> held;
    return buildRecords(index, catalogue, request, [&](const std::u16string& station, int year) -> const StationRecords& {
        held.reset();  // the year before goes before the next is read
        held = std::make_unique<StationRecords>(loadStationYear(index, station, year));
        return *held;
    });
}

}  // namespace tellvane
