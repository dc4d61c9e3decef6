#pragma once
// What the data files hold, as the host hands it to the control: per station and
// kind of data, per day, the 24 hourly readings as text (hour h at h o'clock, hour
// 24 at the day's end), with the station's names where a file gives them.
//
// Every day the files give is counted, with the file and line that gave it; the
// readings themselves are kept only for the station-years a host asks to keep, so
// that a host showing one station-year of a large file holds that year, not the file.

#include <array>
#include <bitset>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "records/CivilDate.h"
#include "records/InputError.h"
#include "yeardata/BlockSyukei.h"

namespace tellvane {

/// What the readings measure, as the file states it; Unstated where it does not.
enum class SeriesKind { Unstated, Level, Discharge };

/// How finely a file gives a day: hour by hour, or as the official daily value
/// (a daily year table), which the reader puts in all 24 hours.
enum class Resolution { Hourly, Daily };

/// The text of hours 1-24 of one day; empty text is no reading.
using HourCells = std::array<std::u16string, 24>;

/// The names the control asks for with GetLKansokujo.
struct StationNames {
    std::u16string Kansokujo;  ///< the station
    std::u16string Suikei;     ///< the water system
    std::u16string Kasen;      ///< the river
    /// The catalogue's row or the header's line that gave them, for a host that
    /// cannot draw them to name; empty when no file did.
    InputPlace from = {};

    /// The same names, wherever they came from.
    bool operator==(const StationNames& o) const {
        return Kansokujo == o.Kansokujo && Suikei == o.Suikei && Kasen == o.Kasen;
    }
};

/// Where a day was given: the file (its index in StationRecords::files(), from 1;
/// 0 for no day) and the line.
struct DayOrigin {
    std::uint32_t file = 0;
    std::uint32_t line = 0;
};

/// Bytes of a file that give days: the file (as DayOrigin::file), the first line
/// and the bytes [begin, end); a file read whole has end 0.
struct FileExtent {
    std::uint32_t file = 0;
    std::uint32_t line = 1;
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
};

/// The days of one year a series was given, by day of the year (0 for 1 January),
/// and the parts of the files that gave them, to read the year again on its own.
/// Where each day was given is not kept (a year of a large file would cost kilobytes):
/// a day given twice is looked for again (StationRecords::nameBothPlaces).
struct YearDays {
    std::bitset<366> given;
    int count = 0;
    std::vector<FileExtent> extents;
};

/// One station's readings of one kind and resolution.
struct Series {
    std::u16string station;
    SeriesKind kind = SeriesKind::Unstated;
    Resolution resolution = Resolution::Hourly;
    std::optional<StationNames> names;  ///< as a file's header gives them
    /// The readings of the days kept (see StationRecords::keepOnly).
    std::map<CivilDate, HourCells> days;
    /// The same as numbers, where the records keep them so (KeptYears::asNumbers):
    /// a series then holds these and no days.
    std::map<CivilDate, HourValues> values;
    /// Every day given, kept or not, by year.
    std::map<int, YearDays> given;

    /// The years with at least one day.
    std::set<int> years() const;
    bool hasYear(int year) const;
    /// The days given in the year.
    int daysIn(int year) const;
};

/// A day a series is given a second time, found where the first place is not known:
/// the message names the files that may hold it. A reader that can read its input
/// again names the first place (StationRecords::nameBothPlaces).
class RepeatedDay : public InputError {
public:
    RepeatedDay(const InputPlace& place, std::string message, std::u16string station, int year)
        : InputError(place.file, place.line, std::move(message)), station_(std::move(station)), year_(year) {}
    const std::u16string& station() const noexcept { return station_; }
    int year() const noexcept { return year_; }

private:
    std::u16string station_;
    int year_;
};

/// The station-year whose readings a host keeps; a part left out is the first the
/// files give. Once the files give a second one for a part left out, the request
/// cannot be answered without a choice, and no further readings are kept.
struct KeptYears {
    std::optional<std::u16string> station;
    std::optional<int> year;
    /// Keep no readings at all: the records are then an index of what the files hold.
    bool none = false;
    /// Keep every station-year (of the station, if given) in turn (year and none
    /// are then not looked at): when the files move on to another series or year, the one
    /// before is handed to eachYear and its readings let go, and so is the last
    /// once the files are read (StationRecords::handOnLast). A station-year the
    /// files come back to is handed on again, with the days of its second part
    /// only: whoever takes the years compares the days handed on with
    /// Series::daysIn once the files are read.
    std::function<void(const Series& series, int year)> eachYear = nullptr;
    /// With eachYear: keep each reading as the number the control reads its text as
    /// (Series::values), where the reader can; a reader that cannot keeps the text.
    bool asNumbers = false;
};

class StationRecords {
public:
    /// Keeps the readings of every day (the default), or only those of one station-year.
    void keepOnly(const std::optional<KeptYears>& kept) { kept_ = kept; }

    /// The series of the station, kind and resolution; created empty when new.
    Series& series(const std::u16string& station, SeriesKind kind, Resolution resolution = Resolution::Hourly);
    /// Whether addDay keeps the readings of the day; a reader may then skip building them.
    bool keeps(const Series& series, const CivilDate& date);
    /// Adds a day, with its readings when kept; a day the series already holds fails
    /// at the place with RepeatedDay, or naming the file and line that gave it first
    /// where the station-year is traced (trace). bytes is the
    /// part of the file that gave it (begin and end 0: the whole file).
    void addDay(Series& series, const CivilDate& date, HourCells&& cells, const InputPlace& place,
                std::pair<std::uint64_t, std::uint64_t> bytes = {});
    /// Whether the days kept are to be added as numbers (KeptYears::asNumbers).
    bool keepsNumbers() const { return kept_ && kept_->eachYear && kept_->asNumbers; }
    /// The same as addDay, the readings as numbers: for a reader asked for numbers.
    void addDay(Series& series, const CivilDate& date, const HourValues& readings, const InputPlace& place,
                std::pair<std::uint64_t, std::uint64_t> bytes = {});
    /// Keeps where each day of the station-year is given, to name both places of a
    /// day given twice.
    void trace(const std::u16string& station, int year);
    /// Throws the error of the repeat naming both places: read, given fresh records
    /// that trace the repeat's station-year, reads again what was read when the
    /// repeat was found (the same inputs, in the same order). Where the first place
    /// is not in what read gives, the repeat itself is thrown.
    [[noreturn]] static void nameBothPlaces(const RepeatedDay& repeat,
                                            const std::function<void(StationRecords&)>& read);
    /// Records the names a file gives; names differing from an earlier file's fail.
    void setNames(Series& series, const StationNames& names, const InputPlace& place);
    /// Hands the station-year being kept to KeptYears::eachYear, if any; called
    /// once the files are read.
    void handOnLast();
    /// Where daily year tables and hourly tables give the same station, kind and
    /// year, the hourly days stand and the daily table gives only the days they lack;
    /// a note says so. Called once the files are read.
    void preferHourly();

    /// Every series, in the order they first appeared.
    const std::deque<Series>& all() const { return series_; }
    /// The station numbers, each once, in the order they first appeared.
    std::vector<std::u16string> stations() const;
    /// The series of a station, in the order they first appeared.
    std::vector<const Series*> ofStation(const std::u16string& station) const;
    /// The file names that gave days, by DayOrigin::file - 1.
    const std::vector<std::string>& files() const { return files_; }
    /// What the records made of the files that the user should know, one line each.
    const std::vector<std::string>& notes() const { return notes_; }

private:
    // Counts the day as given (failing when it was before) and tells whether to keep it.
    bool countDay(Series& series, const CivilDate& date, const InputPlace& place,
                  std::pair<std::uint64_t, std::uint64_t> bytes);
    std::uint32_t fileIndex(const std::string& file);
    std::string placeOf(const DayOrigin& origin) const;
    std::string filesOf(const YearDays& days) const;  // the files that gave days of the year

    std::deque<Series> series_;  // a deque keeps references to a series valid as others are added
    std::optional<KeptYears> kept_;
    std::optional<std::u16string> firstStation_;  // the answers to the parts kept_ leaves out
    std::optional<int> firstYear_;
    bool ambiguous_ = false;  // a part left out of kept_ has had two answers
    std::optional<std::pair<std::u16string, int>> traced_;
    std::map<const Series*, std::array<DayOrigin, 366>> origins_;  // of the station-year traced
    Series* inTurn_ = nullptr;                                     // the station-year KeptYears::eachYear is given next
    int inTurnYear_ = 0;
    std::vector<std::string> files_;
    std::vector<std::string> notes_;
};

/// "level", "discharge", or "" for Unstated.
const char* kindName(SeriesKind kind);

/// The day of the year, 0 for 1 January.
int dayOfYear(const CivilDate& date);

}  // namespace tellvane
