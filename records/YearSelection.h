#pragma once
// Which station-year of the records a host shows, from what the user asked for.

#include <optional>
#include <stdexcept>
#include <string>

#include "records/StationCatalogue.h"
#include "records/StationRecords.h"
#include "yeardata/AnnualStore.h"

namespace tellvane {

/// What the user asked for; each part may be left out.
struct YearRequest {
    std::optional<std::u16string> station;
    std::optional<int> year;
    /// The kind wanted: it chooses between series of both kinds, must match a series
    /// whose file states its kind, and states the kind of one that does not.
    std::optional<SeriesKind> kind;

    /// The station-year whose readings a reader must keep to answer the request.
    KeptYears kept() const { return {station, year}; }
};

/// The station-year to show.
struct SelectedYear {
    std::u16string station;
    int year = 0;
    /// The series with readings in the year; nullptr when there is none, or when
    /// every hour of its rows holds no reading, which the control is told as a block
    /// not loaded.
    const Series* series = nullptr;
    /// The kind the readings are of: the file's, or the kind asked for when the file
    /// does not say (Unstated when neither does).
    SeriesKind kind = SeriesKind::Unstated;
    /// Without a series: the station, year and kind asked for, and what the data
    /// holds instead, for the host to tell the user.
    std::string absence;
    /// What the selection left out that the user should know (readings of a file
    /// that does not say its kind beside one that does); empty mostly.
    std::string note;
};

/// A request the records cannot answer: a choice the data leaves open, or a kind the
/// data contradicts. The message says what is wrong with the request in the data's
/// terms; choice() says which part the user could add, for the host to word.
class SelectionError : public std::runtime_error {
public:
    enum class Choice { None, Station, Year, Kind };

    explicit SelectionError(const std::string& message, Choice choice = Choice::None)
        : std::runtime_error(message), choice_(choice) {}
    Choice choice() const noexcept { return choice_; }

private:
    Choice choice_;
};

/// The station-year of the request. A station left out must be the only one of the
/// records; a year left out the only one of the station (of the records, for a
/// station without readings); where the station has series of both kinds in the
/// year, the request's kind chooses.
SelectedYear selectYear(const StationRecords& records, const YearRequest& request);

/// When every hour of the selected year's rows holds no reading (empty, flagged or
/// the missing marker): the series dropped and the absence said, so that hosts treat
/// it as a year the data does not hold.
void dropIfNoReadings(SelectedYear& selected);

/// The names for GetLKansokujo: the catalogue's entry, else the file's header, else
/// empty names.
StationNames namesOf(const SelectedYear& selected, const StationCatalogue& catalogue);

/// Days the control holds a daily value for.
int daysWithData(const AnnualStore& store);

/// Hours of the selected year with a reading as the control gets them (a daily
/// table's value stands in all 24 hours of its day).
long hoursWithReadings(const SelectedYear& selected);

/// The control's Mode for the selection: the request's text if any, else "7" for
/// discharge and "1" for everything else.
std::u16string modeOf(const SelectedYear& selected, const std::optional<std::u16string>& requestedMode);

}  // namespace tellvane
