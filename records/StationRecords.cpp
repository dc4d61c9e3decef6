#include "records/StationRecords.h"

#include <algorithm>
#include <utility>

#include "common/Text.h"
#include "records/ShownText.h"

namespace tellvane {
namespace {

// Adds the bytes of a day to the extents, joining them to the last where they follow on.
void addExtent(std::vector<FileExtent>& extents, const FileExtent& day) {
    if (!extents.empty()) {
        FileExtent& last = extents.back();
        if (last.file == day.file && (day.end == 0 ? last.end == 0 : last.end == day.begin)) {
            last.end = day.end;
            return;
        }
    }
    extents.push_back(day);
}

// Keeps the first answer to a part of the request left out; false once a second one comes.
template <typename T>
bool firstAnswer(std::optional<T>& first, const T& answer) {
    if (!first) first = answer;
    return *first == answer;
}

}  // namespace

const char* kindName(SeriesKind kind) {
    switch (kind) {
        case SeriesKind::Level:
            return "level";
        case SeriesKind::Discharge:
            return "discharge";
        case SeriesKind::Unstated:
            break;
    }
    return "";
}

int dayOfYear(const CivilDate& date) {
    static constexpr int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    return kBefore[date.month - 1] + (leap && date.month > 2 ? 1 : 0) + date.day - 1;
}

std::set<int> Series::years() const {
    std::set<int> out;
    for (const auto& [year, days] : given) out.insert(year);
    return out;
}

bool Series::hasYear(int year) const { return given.contains(year); }

int Series::daysIn(int year) const {
    const auto it = given.find(year);
    return it == given.end() ? 0 : it->second.count;
}

Series& StationRecords::series(const std::u16string& station, SeriesKind kind, Resolution resolution) {
    for (Series& s : series_)
        if (s.station == station && s.kind == kind && s.resolution == resolution) return s;
    Series& added = series_.emplace_back();
    added.station = station;
    added.kind = kind;
    added.resolution = resolution;
    return added;
}

bool StationRecords::keeps(const Series& series, const CivilDate& date) {
    if (!kept_) return true;
    if (kept_->eachYear) {
        if (kept_->station && series.station != *kept_->station) return false;
        if (inTurn_ != &series || inTurnYear_ != date.year) {
            handOnLast();
            inTurn_ = const_cast<Series*>(&series);  // one of series_, which this may change
            inTurnYear_ = date.year;
        }
        return true;
    }
    if (ambiguous_ || kept_->none) return false;
    if ((kept_->station && series.station != *kept_->station) || (kept_->year && date.year != *kept_->year))
        return false;
    if ((!kept_->station && !firstAnswer(firstStation_, series.station)) ||
        (!kept_->year && !firstAnswer(firstYear_, date.year)))
        ambiguous_ = true;
    return !ambiguous_;
}

bool StationRecords::countDay(Series& series, const CivilDate& date, const InputPlace& place,
                              std::pair<std::uint64_t, std::uint64_t> bytes) {
    YearDays& year = series.given[date.year];
    const auto day = static_cast<std::size_t>(dayOfYear(date));
    const bool traced = traced_ && traced_->first == series.station && traced_->second == date.year;
    const DayOrigin origin{fileIndex(place.file), static_cast<std::uint32_t>(place.line)};
    if (year.given[day]) {
        const std::string what = "station " + shownName(series.station) + " has " + isoDate(date) + " twice";
        if (traced) throw place.error(what + ": first at " + placeOf(origins_[&series][day]));
        throw RepeatedDay(place, what + ": first in " + filesOf(year), series.station, date.year);
    }
    if (traced) origins_[&series][day] = origin;
    year.given[day] = true;
    ++year.count;
    addExtent(year.extents, FileExtent{origin.file, origin.line, bytes.first, bytes.second});
    return keeps(series, date);
}

// Days mostly come in order: the end is the place to look first.
void StationRecords::addDay(Series& series, const CivilDate& date, HourCells&& cells, const InputPlace& place,
                            std::pair<std::uint64_t, std::uint64_t> bytes) {
    if (countDay(series, date, place, bytes)) series.days.emplace_hint(series.days.end(), date, std::move(cells));
}

void StationRecords::addDay(Series& series, const CivilDate& date, const HourValues& readings, const InputPlace& place,
                            std::pair<std::uint64_t, std::uint64_t> bytes) {
    if (countDay(series, date, place, bytes)) series.values.emplace_hint(series.values.end(), date, readings);
}

void StationRecords::handOnLast() {
    if (!inTurn_) return;
    Series& done = *inTurn_;
    inTurn_ = nullptr;
    kept_->eachYear(done, inTurnYear_);
    done.days.clear();  // it held that year alone
    done.values.clear();
}

void StationRecords::trace(const std::u16string& station, int year) { traced_.emplace(station, year); }

void StationRecords::nameBothPlaces(const RepeatedDay& repeat, const std::function<void(StationRecords&)>& read) {
    StationRecords again;
    again.keepOnly(KeptYears{.station = {}, .year = {}, .none = true});
    again.trace(repeat.station(), repeat.year());
    try {
        read(again);
    } catch (const RepeatedDay&) {
        // another station-year cannot come first: the first read met no fault before
    } catch (const InputError& named) {
        if (named.file() == repeat.file() && named.line() == repeat.line()) throw;
    }
    throw repeat;
}

void StationRecords::setNames(Series& series, const StationNames& names, const InputPlace& place) {
    if (series.names && *series.names != names)
        throw place.error("station " + shownName(series.station) + " is named differently in an earlier file");
    if (series.names) return;  // the first file that gave them is the one to name
    series.names = names;
    if (series.names->from.file.empty()) series.names->from = place;
}

void StationRecords::preferHourly() {
    for (Series& daily : series_) {
        if (daily.resolution != Resolution::Daily) continue;
        Series* hourly = nullptr;
        for (Series& s : series_)
            if (s.resolution == Resolution::Hourly && s.station == daily.station && s.kind == daily.kind) hourly = &s;
        if (!hourly) continue;
        for (auto it = daily.given.begin(); it != daily.given.end();) {
            const int year = it->first;
            const auto hours = hourly->given.find(year);
            if (hours == hourly->given.end()) {
                ++it;
                continue;
            }
            const int hourlyDays = hours->second.count;
            const std::string dailyFile = filesOf(it->second);
            const std::bitset<366> added = it->second.given & ~hours->second.given;
            hours->second.given |= added;
            hours->second.count += static_cast<int>(added.count());
            for (auto day = daily.days.lower_bound({year, 1, 1}); day != daily.days.end() && day->first.year == year;)
                if (!hourly->days.contains(day->first))
                    hourly->days.insert(daily.days.extract(day++));
                else
                    day = daily.days.erase(day);
            notes_.push_back("station " + shownName(daily.station) + " " + kindName(daily.kind) + " " +
                             std::to_string(year) + ": " + std::to_string(hourlyDays) +
                             " days from the hourly tables, " + std::to_string(hours->second.count - hourlyDays) +
                             " from the daily table " + dailyFile + ", which gives the official daily values");
            // Read on its own again, the year needs the daily table's bytes too.
            for (const FileExtent& e : it->second.extents) addExtent(hours->second.extents, e);
            it = daily.given.erase(it);
        }
    }
    std::erase_if(series_, [](const Series& s) { return s.resolution == Resolution::Daily && s.given.empty(); });
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

std::uint32_t StationRecords::fileIndex(const std::string& file) {
    // Rows of one file come together: the last file is the one asked for almost always.
    if (!files_.empty() && files_.back() == file) return static_cast<std::uint32_t>(files_.size());
    const auto it = std::find(files_.begin(), files_.end(), file);
    if (it != files_.end()) return static_cast<std::uint32_t>(it - files_.begin() + 1);
    files_.push_back(file);
    return static_cast<std::uint32_t>(files_.size());
}

std::string StationRecords::filesOf(const YearDays& days) const {
    std::vector<std::uint32_t> seen;
    std::string names;
    for (const FileExtent& e : days.extents) {
        if (std::find(seen.begin(), seen.end(), e.file) != seen.end()) continue;
        seen.push_back(e.file);
        names += (names.empty() ? "" : " or ") + files_[e.file - 1];
    }
    return names;
}

std::string StationRecords::placeOf(const DayOrigin& origin) const {
    return files_[origin.file - 1] + ":" + std::to_string(origin.line);
}

}  // namespace tellvane
