#pragma once
// What the data files hold, as the host hands it to the control: per station and
// kind of data, per day, the 24 hourly readings as text (hour h at h o'clock, hour
// 24 at the day's end), with the station's names where a file gives them.

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "records/CivilDate.h"
#include "records/InputError.h"

namespace tellvane {

/// What the readings measure, as the file states it; Unstated where it does not.
enum class SeriesKind { Unstated, Level, Discharge };

/// The text of hours 1-24 of one day; empty text is no reading.
using HourCells = std::array<std::u16string, 24>;

/// The names the control asks for with GetLKansokujo.
struct StationNames {
    std::u16string Kansokujo;  ///< the station
    std::u16string Suikei;     ///< the water system
    std::u16string Kasen;      ///< the river

    bool operator==(const StationNames&) const = default;
};

/// One station's readings of one kind.
struct Series {
    std::u16string station;
    SeriesKind kind = SeriesKind::Unstated;
    std::optional<StationNames> names;  ///< as a file's header gives them
    std::map<CivilDate, HourCells> days;

    /// The years with at least one day.
    std::set<int> years() const;
    bool hasYear(int year) const;
};

class StationRecords {
public:
    /// The series of the station and kind; created empty when new.
    Series& series(const std::u16string& station, SeriesKind kind);
    /// Adds a day; a day the series already holds fails at the place.
    void addDay(Series& series, const CivilDate& date, HourCells cells, const InputPlace& place);
    /// Records the names a file gives; names differing from an earlier file's fail.
    void setNames(Series& series, const StationNames& names, const InputPlace& place);

    /// Every series, in the order they first appeared.
    const std::deque<Series>& all() const { return series_; }
    /// The station numbers, each once, in the order they first appeared.
    std::vector<std::u16string> stations() const;
    /// The series of a station, in the order they first appeared.
    std::vector<const Series*> ofStation(const std::u16string& station) const;

private:
    std::deque<Series> series_;  // a deque keeps references to a series valid as others are added
};

}  // namespace tellvane
