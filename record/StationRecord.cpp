#include "record/StationRecord.h"

#include <map>
#include <memory>
#include <set>
#include <utility>

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

// The record of a station-year of one kind; read(year) is asked once a year, before
// the kinds of that year.
using YearOfKind = std::function<YearRecord(SeriesKind kind, int year)>;

void recordStation(const StationRecords& records, const std::u16string& station, const StationCatalogue& catalogue,
                   const RecordRequest& request, const std::function<void(int year)>& read, const YearOfKind& yearOf,
                   std::vector<StationRecord>& out) {
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
        // Each year holds kilobytes: grown by doubling, the years would be copied and
        // their memory touched twice over.
        r.years.reserve(static_cast<std::size_t>(*ys.rbegin() - *ys.begin() + 1));
        for (int y = *ys.begin(); y <= *ys.rbegin(); ++y) r.years.push_back({.year = y});
    }
    for (const int year : withDays) {
        read(year);
        for (auto& [kind, r] : byKind) {
            if (year < r.years.front().year || year > r.years.back().year) continue;
            r.years[static_cast<std::size_t>(year - r.years.front().year)] = yearOf(kind, year);
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
    for (const std::u16string& station : records.stations()) {
        if (request.station && *request.station != station) continue;
        const StationRecords* held = nullptr;
        recordStation(
            records, station, catalogue, request, [&](int year) { held = &read(station, year); },
            [&](SeriesKind kind, int year) {
                return recordYear(seriesOf(*held, station, kind, year, request), year, kind);
            },
            out);
    }
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
    return buildRecords(index, catalogue, request,
                        [&](const std::u16string& station, int year) -> const StationRecords& {
                            held.reset();  // the year before goes before the next is read
                            held = std::make_unique<StationRecords>(loadStationYear(index, station, year));
                            return *held;
                        });
}

KeptYears OnePassRecords::kept() {
    KeptYears kept;
    kept.station = request_.station;
    kept.eachYear = [this](const Series& series, int year) { take(series, year); };
    kept.asNumbers = true;  // the pass shows no blocks: the readings need not be text
    return kept;
}

void OnePassRecords::take(const Series& series, int year) {
    const SeriesKind kind = kindOf(series, request_);
    if ((request_.station && series.station != *request_.station) || !inRange(year, request_) ||
        (request_.kind && kind != *request_.kind))
        return;
    const auto [at, fresh] = taken_.try_emplace(Key{series.station, series.kind, series.resolution, year});
    Taken& taken = at->second;
    taken.whole = false;
    if (!fresh) {  // the files came back to it: it is read again whole in its turn
        taken.record = {};
        return;
    }
    try {
        taken.record = recordYear(&series, year, kind, *store_);
        taken.days = series.daysIn(year);
        taken.whole = true;
    } catch (const std::exception&) {
        // Read again in its turn, where the fault is reported after every fault of
        // the files, as when the years are read one by one.
    }
}

std::vector<StationRecord> OnePassRecords::records(const StationRecords& index, const StationCatalogue& catalogue) {
    std::vector<StationRecord> out;
    for (const std::u16string& station : index.stations()) {
        if (request_.station && *request_.station != station) continue;
        std::optional<StationRecords> held;  // the year read again, when one is
        int heldYear = 0;
        recordStation(
            index, station, catalogue, request_, [](int) {},
            [&](SeriesKind kind, int year) {
                const Series* series = seriesOf(index, station, kind, year, request_);
                if (series) {
                    const auto at = taken_.find(Key{station, series->kind, series->resolution, year});
                    if (at != taken_.end() && at->second.whole && at->second.days == series->daysIn(year))
                        return std::move(at->second.record);
                }
                if (!held || heldYear != year) {
                    held.reset();  // the year before goes before the next is read
                    held.emplace(loadStationYear(index, station, year));
                    heldYear = year;
                }
                return recordYear(seriesOf(*held, station, kind, year, request_), year, kind, *store_);
            },
            out);
    }
    return out;
}

}  // namespace tellvane
