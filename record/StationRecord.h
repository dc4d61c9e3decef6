#pragma once
// The record of a station: for each kind of its readings, every year from the first
// to the last year of the data, side by side, with the period's values.

#include <functional>
#include <optional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "record/RecordPeriod.h"
#include "record/YearRecord.h"
#include "records/StationCatalogue.h"
#include "records/StationRecords.h"

namespace tellvane {

struct StationRecord {
    std::u16string station;
    /// Level or Discharge: readings of unstated kind count as the kind asked for,
    /// else as water levels (the control's Mode "1"), as a single year's chart does.
    SeriesKind kind = SeriesKind::Level;
    StationNames names;
    /// One a year, ascending, without gaps: a year without a day has a record without values.
    std::vector<YearRecord> years;
    RecordPeriod period;
};

/// What the user asked for; each part may be left out.
struct RecordRequest {
    std::optional<std::u16string> station;
    std::optional<SeriesKind> kind;
    std::optional<int> firstYear, lastYear;
    int allowedMissingDays = 0;
};

/// The records holding a station-year's readings (those of `records` itself, or
/// the station-year read again on its own).
using StationYearReader = std::function<const StationRecords&(const std::u16string& station, int year)>;

/// The records of every station of `records` (or the one asked for), in the order
/// the stations first appeared, each station's kinds level before discharge. The
/// readings of each station-year come from `read`, asked once for each station-year
/// with a day, in ascending order, so that a reader may hold one year at a time.
/// Names come from the catalogue, else from the files. A station asked for that the
/// data lacks gives no record.
std::vector<StationRecord> buildRecords(const StationRecords& records, const StationCatalogue& catalogue,
                                        const RecordRequest& request, const StationYearReader& read);

/// buildRecords over records that hold their readings.
std::vector<StationRecord> recordsOf(const StationRecords& records, const StationCatalogue& catalogue,
                                     const RecordRequest& request);

/// buildRecords over an index of the data files (records read with nothing kept):
/// each station-year is read again on its own and let go before the next, so that
/// memory follows a year, not the files.
std::vector<StationRecord> recordsReadYearByYear(const StationRecords& index, const StationCatalogue& catalogue,
                                                 const RecordRequest& request);

/// The records read in one pass over the files where the files allow it: each
/// station-year is recorded as the files move on from it (KeptYears::eachYear), so
/// that memory follows a year and the files are read once. A station-year whose days
/// do not come together (files in no order of station and year, an hourly year
/// completed by a daily table) is read again on its own, as recordsReadYearByYear
/// does; the records are the same either way.
class OnePassRecords {
public:
    explicit OnePassRecords(RecordRequest request) : request_(std::move(request)) {}
    OnePassRecords(const OnePassRecords&) = delete;
    OnePassRecords& operator=(const OnePassRecords&) = delete;

    /// What the files are to be read with (loadRecords); it refers to this object.
    KeptYears kept();
    /// The records of the files read with kept() into index; the years recorded in
    /// the pass are handed over, so this is asked once.
    std::vector<StationRecord> records(const StationRecords& index, const StationCatalogue& catalogue);

private:
    struct Taken {
        YearRecord record;
        int days = 0;        // given when it was recorded
        bool whole = false;  // recorded once, without a fault
    };
    using Key = std::tuple<std::u16string, SeriesKind, Resolution, int>;

    void take(const Series& series, int year);

    RecordRequest request_;
    std::map<Key, Taken> taken_;
    std::unique_ptr<AnnualStore> store_ = std::make_unique<AnnualStore>();  // for every year in turn
};

}  // namespace tellvane
