#include "records/YearSelection.h"

#include <algorithm>
#include <set>

#include "common/Text.h"
#include "records/ShownText.h"

namespace tellvane {
namespace {

using Choice = SelectionError::Choice;

// At most this many stations are listed in a message; the rest are counted.
constexpr std::size_t kListedStations = 10;

std::string listed(const std::vector<std::u16string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size() && i < kListedStations; ++i)
        out += (out.empty() ? "" : ", ") + shownName(items[i]);
    if (items.size() > kListedStations) out += " and " + std::to_string(items.size() - kListedStations) + " more";
    return out;
}

// Years as runs: "2016-2019, 2023".
std::string listed(const std::set<int>& years) {
    std::string out;
    for (auto it = years.begin(); it != years.end();) {
        const int first = *it;
        int last = first;
        while (++it != years.end() && *it == last + 1) ++last;
        out += (out.empty() ? "" : ", ") + std::to_string(first) + (last > first ? "-" + std::to_string(last) : "");
    }
    return out;
}

std::string readingsWord(std::optional<SeriesKind> kind) {
    return kind && *kind != SeriesKind::Unstated ? std::string(kindName(*kind)) + " readings" : "readings";
}

// What the station's series hold: "level readings in 2023, discharge readings in 2023".
std::string holdings(const std::vector<const Series*>& series) {
    std::string out;
    for (const SeriesKind kind : {SeriesKind::Unstated, SeriesKind::Level, SeriesKind::Discharge}) {
        std::set<int> years;
        for (const Series* s : series)
            if (s->kind == kind) years.merge(s->years());
        if (!years.empty()) out += (out.empty() ? "" : ", ") + readingsWord(kind) + " in " + listed(years);
    }
    return out;
}

std::string absence(const StationRecords& records, const SelectedYear& selected, const YearRequest& request) {
    const std::string station = "station " + shownName(selected.station);
    const auto series = records.ofStation(selected.station);
    if (series.empty())
        return station + " is not in the data, which holds station" + (records.stations().size() == 1 ? " " : "s ") +
               listed(records.stations());
    return station + " has no " + readingsWord(request.kind) + " in " + std::to_string(selected.year) + "; it has " +
           holdings(series);
}

std::u16string chosenStation(const StationRecords& records, const YearRequest& request) {
    if (request.station) return *request.station;
    const auto stations = records.stations();
    if (stations.empty()) throw SelectionError("the data holds no station");
    if (stations.size() > 1)
        throw SelectionError(
            "the data holds " + std::to_string(stations.size()) + " stations (" + listed(stations) + ")",
            Choice::Station);
    return stations.front();
}

int chosenYear(const StationRecords& records, const std::u16string& station, const YearRequest& request) {
    if (request.year) return *request.year;
    // A station without readings is shown, as not loaded, in the data's only year.
    const auto series = records.ofStation(station);
    std::set<int> years;
    for (const Series* s : series) years.merge(s->years());
    if (years.empty())
        for (const Series& s : records.all()) years.merge(s.years());
    if (years.empty()) throw SelectionError("the data holds no readings");
    if (years.size() > 1) {
        if (series.empty())
            throw SelectionError("station " + shownName(station) + " is not in the data, which covers " + listed(years),
                                 Choice::Year);
        throw SelectionError("station " + shownName(station) + " has readings in " + listed(years), Choice::Year);
    }
    return *years.begin();
}

bool beginsWithMinus(std::u16string_view text) {
    for (const char16_t c : text)
        if (c != u' ' && c != u'\t') return c == u'-';
    return false;
}

// The cells of the year that hold a reading.
long countReadings(const Series& series, int year) {
    long hours = 0;
    for (auto it = series.days.lower_bound({year, 1, 1}); it != series.days.end() && it->first.year == year; ++it)
        for (const std::u16string& cell : it->second)
            // -999 is the control's own missing marker; the readers let it through.
            // Only a text whose first non-blank is a minus can read as it.
            hours += !cell.empty() && (!beginsWithMinus(cell) || leadingNumber(cell) != -999.0) ? 1 : 0;
    return hours;
}

}  // namespace

SelectedYear selectYear(const StationRecords& records, const YearRequest& request) {
    SelectedYear selected;
    selected.station = chosenStation(records, request);
    selected.year = chosenYear(records, selected.station, request);

    const std::string stationYear = "station " + shownName(selected.station) + " " + std::to_string(selected.year);
    std::vector<const Series*> inYear;
    for (const Series* s : records.ofStation(selected.station))
        if (s->hasYear(selected.year)) inYear.push_back(s);
    if (inYear.size() > 1 && request.kind) {
        const bool unstated =
            std::any_of(inYear.begin(), inYear.end(), [](const Series* s) { return s->kind == SeriesKind::Unstated; });
        std::erase_if(inYear, [&](const Series* s) { return s->kind != *request.kind; });
        if (inYear.empty()) throw SelectionError(stationYear + " has no " + readingsWord(request.kind));
        // Readings that do not say their kind (a CSV) beside a file that does: the
        // file's stand, and the user hears that the others were left out.
        if (unstated)
            selected.note = stationYear + ": the readings of a file that does not say its kind (a CSV) are left " +
                            "out; the " + readingsWord(request.kind) + " of the files that say it stand";
    }
    if (inYear.size() > 1) throw SelectionError(stationYear + " has readings of more than one kind", Choice::Kind);
    if (inYear.empty()) {
        selected.absence = absence(records, selected, request);
        return selected;
    }
    const Series* series = inYear.front();
    // A kind asked for never relabels readings whose file states another.
    if (request.kind && series->kind != SeriesKind::Unstated && series->kind != *request.kind)
        throw SelectionError(stationYear + " has no " + readingsWord(request.kind) + ", only " +
                             readingsWord(series->kind));
    // A file that does not say its kind (a CSV) holds the kind asked for.
    selected.kind = series->kind == SeriesKind::Unstated && request.kind ? *request.kind : series->kind;
    selected.series = series;
    dropIfNoReadings(selected);
    return selected;
}

void dropIfNoReadings(SelectedYear& selected) {
    if (!selected.series || countReadings(*selected.series, selected.year) > 0) return;
    // Nothing to chart, as when the year is not in the data at all.
    selected.series = nullptr;
    selected.absence = "station " + shownName(selected.station) + " " + std::to_string(selected.year) + " has no " +
                       readingsWord(selected.kind) + ": every hour of its rows is empty or flagged";
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

int daysWithData(const AnnualStore& store) {
    int days = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d) days += store.DayTable(m, d).empty() ? 0 : 1;
    return days;
}

long hoursWithReadings(const SelectedYear& selected) {
    return selected.series ? countReadings(*selected.series, selected.year) : 0;
}

}  // namespace tellvane
